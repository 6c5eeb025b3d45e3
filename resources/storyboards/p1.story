# Lesson 1: Forms Interface Components
# A tour of the four windows: Object Navigator, Property Palette, Layout
# Editor and Tarnic Editor, on a small customer form.
part p1

caption Form Designer - [CUSTOMERS]
window navigator 0 63 300 397
node Forms/CUSTOMERS : module
expand Forms
expand Forms/CUSTOMERS
node Forms/CUSTOMERS/Blocks/CUSTOMER : block
node Forms/CUSTOMERS/Blocks/CUSTOMER/Items/CUSTOMER_ID : item
node Forms/CUSTOMERS/Blocks/CUSTOMER/Items/NAME : item
node Forms/CUSTOMERS/Blocks/CUSTOMER/Items/CITY : item
node Forms/CUSTOMERS/Blocks/CUSTOMER/Items/CUSTOMER_ID/Triggers/On Check : trigger
expand Forms/CUSTOMERS/Blocks/CUSTOMER/Items
node Forms/CUSTOMERS/Canvases/CANVAS1 : canvas
node Forms/CUSTOMERS/Windows/WINDOW1 : window
select Forms/CUSTOMERS
canvas CANVAS1 540 340
item CUSTOMER_ID_PROMPT text 20 30 70 16 Customer Id
item CUSTOMER_ID textitem 100 28 80 18
item NAME_PROMPT text 20 60 70 16 Name
item NAME textitem 100 58 200 18
item CITY_PROMPT text 20 90 70 16 City
item CITY textitem 100 88 140 18
status Ready

step 'Forms Interface Components'
> This lesson shows the four windows you build every form with: the Object Navigator, the Property Palette, the Layout Editor and the Tarnic Editor. Press NEXT to go on.
down node:Forms/CUSTOMERS/Blocks

step 'Object Navigator' arrow R
> The Object Navigator lists every object of the open form module as a tree. Here the pointer selects the Blocks node, which groups the blocks of the form.
up node:Forms/CUSTOMERS/Blocks

step 'Object Navigator' arrow D
> A plus sign beside a node means that it holds other objects. Clicking the plus sign expands the node and shows what is inside.
down node+:Forms/CUSTOMERS/Blocks
up node+:Forms/CUSTOMERS/Blocks

step 'Object Navigator' arrow L
> The CUSTOMER block holds its own triggers, items and relations. Expanding the block shows its items, one node for each field of the form.
down node+:Forms/CUSTOMERS/Blocks/CUSTOMER
up node+:Forms/CUSTOMERS/Blocks/CUSTOMER

step 'Object Navigator' at 260 175 arrow L
> Clicking a node selects that object. Whatever you select in the navigator is what the other windows show and change.
down node:Forms/CUSTOMERS/Blocks/CUSTOMER/Items/CUSTOMER_ID
up node:Forms/CUSTOMERS/Blocks/CUSTOMER/Items/CUSTOMER_ID

step 'Property Palette' arrow U
> The Tools menu opens the other design windows for the selected object.
nc menu:Tools

step 'Property Palette' arrow NW
> Choose Property Palette to see the properties of the CUSTOMER_ID item.
up menu:Tools/Property Palette
window palette 300 63 340 397

step 'Property Palette' at 20 300
> The Property Palette lists every property of the selected object: its name on the left, its value on the right. Changing a value here changes the object itself.
down prop:Width
up prop:Width

step 'Layout Editor'
> The Layout Editor is where you draw the form as the user will see it. You open it from the Tools menu as well.
nc menu:Tools

step 'Layout Editor' arrow R
> Choose Layout Editor.
up menu:Tools/Layout Editor
window layout 0 63 640 397

step 'Layout Editor' arrow R
> The canvas shows the items of the block with their prompts. The tool palette on the left holds the tools for drawing new items and text; clicking an item on the canvas selects it.
down item:CUSTOMER_ID
up item:CUSTOMER_ID

front navigator
expand Forms/CUSTOMERS/Blocks/CUSTOMER/Items/CUSTOMER_ID
expand Forms/CUSTOMERS/Blocks/CUSTOMER/Items/CUSTOMER_ID/Triggers

step 'Tarnic Editor' at 215 240
> Code in a form is written in triggers, small programs that run when something happens to an item. A double click on a trigger in the navigator opens its code.
down node:Forms/CUSTOMERS/Blocks/CUSTOMER/Items/CUSTOMER_ID/Triggers/On Check
window editor 40 90 560 300
edtitle CUSTOMER_ID: On Check
focus ed:text
code line -- Check the customer id as the user leaves the item
code line IF :CUSTOMER.CUSTOMER_ID IS NULL THEN
code line    SHOW_MESSAGE('Enter a customer id.');
code line    STOP_TRIGGER;
code line END IF;

step 'Tarnic Editor' at 215 310
> This is the Tarnic Editor, showing the On Check trigger of CUSTOMER_ID. Recap: four windows to build forms. Next lesson: the main menu.
keyframe
down ed:text
up ed:text
