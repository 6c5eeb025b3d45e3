# Lesson 8: Items
# The kinds of item drawn with the tool palette, the properties of a text
# item changed in the Property Palette, and a visual attribute created in the
# navigator and given to the TOTAL item.
part p8

caption Form Designer - [ORDERS]
window navigator 0 63 200 397
node Forms/ORDERS : module
expand Forms
node Forms/ORDERS/Blocks/ORDERS : block
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_ID : item
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_DATE : item
node Forms/ORDERS/Blocks/ORDERS/Items/CUSTOMER_ID : item
node Forms/ORDERS/Blocks/ORDERS/Items/STATUS : item
node Forms/ORDERS/Blocks/ORDERS/Items/TOTAL : item
node Forms/ORDERS/Canvases/CANVAS1 : canvas
node Forms/ORDERS/Canvases/CANVAS2 : canvas
node Forms/ORDERS/Windows/WINDOW1 : window
expand Forms/ORDERS
expand Forms/ORDERS/Blocks
expand Forms/ORDERS/Blocks/ORDERS
expand Forms/ORDERS/Blocks/ORDERS/Items
select Forms/ORDERS/Blocks/ORDERS
window layout 200 63 440 397
canvas CANVAS1 540 330
item FRAME1 frame 10 10 250 170 Orders
item ORDER_ID_PROMPT text 24 30 80 16 Order Id
item ORDER_ID textitem 110 28 80 18
item ORDER_DATE_PROMPT text 24 58 80 16 Order Date
item ORDER_DATE textitem 110 56 80 18
item CUSTOMER_ID_PROMPT text 24 86 80 16 Customer Id
item CUSTOMER_ID textitem 110 84 72 18
item STATUS_PROMPT text 24 114 80 16 Status
item STATUS textitem 110 112 80 18
item TOTAL_PROMPT text 24 142 80 16 Total
item TOTAL textitem 110 140 120 18
status Connected to course as student

step 'Items'
> Items are the objects of a block that show and accept data. Each of the five fields of the ORDERS form is an item of the ORDERS block, drawn on the canvas.
click item:ORDER_ID
click item:ORDER_DATE
click item:STATUS

step 'Different Types' at 430 300 arrow R
> Items come in several types, and the tool palette has a tool for each. Text Item draws the most common one, a box the user types into.
click tool:Text Item

step 'Different Types'
> Drag out a rectangle on the canvas to draw the new text item. It joins the current block, ORDERS.
drag canvas@272,30 => canvas@362,48
item TEXT_ITEM1 textitem 272 30 90 18
selitem TEXT_ITEM1
node Forms/ORDERS/Blocks/ORDERS/Items/TEXT_ITEM1 : item

step 'Different Types' at 430 300 arrow R
> A push button carries out an action when the user presses it.
click tool:Button
drag canvas@272,62 => canvas@332,82
item PUSH_BUTTON1 button 272 62 60 20 Button
selitem PUSH_BUTTON1
node Forms/ORDERS/Blocks/ORDERS/Items/PUSH_BUTTON1 : item

step 'Different Types' at 430 300
> A check box holds one of two values, such as paid or not paid.
click tool:Check Box
drag canvas@272,96 => canvas@342,112
item CHECK_BOX1 check 272 96 70 16 Paid
selitem CHECK_BOX1
node Forms/ORDERS/Blocks/ORDERS/Items/CHECK_BOX1 : item

step 'Different Types' at 230 155 arrow R
> A list item offers a fixed choice of values in a drop-down list.
click tool:List Item
drag canvas@272,124 => canvas@352,142
item LIST_ITEM1 list 272 124 80 18
selitem LIST_ITEM1
node Forms/ORDERS/Blocks/ORDERS/Items/LIST_ITEM1 : item

step 'Different Types' at 430 300
> An image item shows a picture, for example a photo of a product.
click tool:Image
drag canvas@272,156 => canvas@332,196
item IMAGE1 image 272 156 60 40
selitem IMAGE1
node Forms/ORDERS/Blocks/ORDERS/Items/IMAGE1 : item

step 'Different Types' arrow L
> Radio groups, charts and sounds have tools of their own, and later lessons treat each type in turn. Pick the Select tool to stop drawing.
click tool:Select

step 'Different Types' arrow R
> Select the push button. A button does nothing by itself: what happens when it is pressed is written in a trigger.
click item:PUSH_BUTTON1

step 'Different Types' arrow U
> Quick Triggers on the Program menu offers the triggers that suit the selected item.
nc menu:Program
up menu:Program/Quick Triggers

step 'Different Types' at 430 300 arrow R
> For a button the first choice is On Press, the trigger that runs when the user presses it.
up menu:Program/Quick Triggers/On Press
node Forms/ORDERS/Blocks/ORDERS/Items/PUSH_BUTTON1/Triggers/On Press : trigger
window editor 40 90 560 300
edtitle PUSH_BUTTON1: On Press
focus ed:text

step 'Different Types' at 430 310
> The Tarnic Editor opens on the new, empty trigger. Writing its code belongs to later lessons, so close the editor for now.
click ed:Close
close editor
focus

step 'Modifying Properties' arrow U
> Every item has a long list of properties. Select TEXT_ITEM1, the new text item, and open the Property Palette from the Tools menu.
click item:TEXT_ITEM1
select Forms/ORDERS/Blocks/ORDERS/Items/TEXT_ITEM1
nc menu:Tools

step 'Modifying Properties' arrow L
> Choose Property Palette to list the properties of TEXT_ITEM1.
up menu:Tools/Property Palette
window palette 300 63 340 397

step 'Modifying Properties' arrow R
> Item Type shows what kind of item this is. Displayed and Enabled decide whether the item can be seen and whether it can be used.
click prop:Item Type
click prop:Displayed
click prop:Enabled

step 'Modifying Properties' at 30 300
> Width, Height, X Position and Y Position hold the size and place you gave the item by drawing it. Typing new numbers here moves or resizes it exactly.
click prop:Width
click prop:Height
click prop:X Position
click prop:Y Position
scroll palette 11

step 'Modifying Properties' at 30 300 arrow R
> Data Type says what the item holds. Maximum Length limits the characters typed, Initial Value fills a new record, Required refuses an empty value.
click prop:Data Type
click prop:Maximum Length
click prop:Initial Value
click prop:Required

step 'Modifying Properties' arrow D
> Database Item is Yes for an item that holds a column of the block's table. This new item has no column, so set it to No.
down val:Database Item
droplist Yes | No = No
up val:Database Item
prop Database Item = No
droplist
click prop:Column Name
click prop:Query Only

step 'Modifying Properties' arrow R
> Further down the list, Prompt sets the label shown beside the item. Click its value.
click val:Prompt

step 'Modifying Properties'
> Type Notes and press Enter. Hint, the row below, holds a line of help for the status bar.
type Notes{Enter}
click prop:Hint

step 'Modifying Properties' at 30 130 arrow L
> Properties are changed the same way for every item. Select TOTAL in the navigator; the palette keeps its place in the list.
click node:Forms/ORDERS/Blocks/ORDERS/Items/TOTAL

step 'Modifying Properties' at 185 175 arrow R
> Format Mask controls how a value is shown. A total of money needs two decimals, so click its value.
click val:Format Mask

step 'Modifying Properties'
> Type 9990.99: every 9 is an optional digit, every 0 a digit that is always shown, and the point fixes two decimals.
type 9990.99

step 'Modifying Properties' arrow R
> Tooltip is the short help that appears when the pointer rests on the item. Click its value.
click val:Tooltip

step 'Modifying Properties'
> Type Order Total. The Comment row below it is only for designers and never shown to the user.
type Order Total
click prop:Comment
scroll palette 0
scroll navigator 12

step 'Visual Attributes' arrow L
> A visual attribute is a named set of font and color settings that many items can share. Visual attributes are kept under their own node: select Visual Attributes.
click node:Forms/ORDERS/Visual Attributes

step 'Visual Attributes' arrow U
> Open the Navigator menu to create a visual attribute in that node.
nc menu:Navigator

step 'Visual Attributes' at 30 300 arrow NW
> Create adds VISUAL_ATTRIBUTE1 under the node and shows its properties.
up menu:Navigator/Create
node Forms/ORDERS/Visual Attributes/VISUAL_ATTRIBUTE1 : attribute
expand Forms/ORDERS/Visual Attributes
select Forms/ORDERS/Visual Attributes/VISUAL_ATTRIBUTE1

step 'Visual Attributes' arrow R
> Give it a name that says what it is for. Click the value of Name.
click val:Name

step 'Visual Attributes'
> Type current_row; the designer keeps object names in capitals.
type current_row
click prop:Class
rename Forms/ORDERS/Visual Attributes/VISUAL_ATTRIBUTE1 = CURRENT_ROW
prop Name = CURRENT_ROW

step 'Visual Attributes' arrow D
> The attribute sets only what you fill in; empty rows such as Foreground Color leave the item's own setting alone. Click the value of Font Weight and choose Bold.
down val:Font Weight
droplist Light | Medium | Bold = Bold
up val:Font Weight
prop Font Weight = Bold
droplist
click prop:Foreground Color

step 'Visual Attributes' arrow SE
> Background Color opens the list of colors. Choose light yellow and press OK.
click val:Background Color
show colors
rows Colors = white | gray | light gray | light blue | light yellow | green
click row:Colors/light yellow
click btn:OK
hide
prop Background Color = light yellow

step 'Visual Attributes' arrow L
> Now give the attribute to an item. Select TOTAL again.
click node:Forms/ORDERS/Blocks/ORDERS/Items/TOTAL

step 'Visual Attributes' arrow D
> Visual Attribute Name is DEFAULT for every item. Setting it to CURRENT_ROW makes TOTAL bold on light yellow, and changing the attribute later changes every item that uses it.
down val:Visual Attribute Name
droplist DEFAULT | CURRENT_ROW = CURRENT_ROW
up val:Visual Attribute Name
prop Visual Attribute Name = CURRENT_ROW
droplist

step 'Visual Attributes'
> The Window menu lists the open design windows; use it to bring the Layout Editor back.
nc menu:Window
up menu:Window/3 Layout Editor
front layout

step 'Visual Attributes' at 160 175 arrow L
> On the canvas the items are selected one by one as before. Clicking TOTAL and then the new items shows that they are all ordinary items of the ORDERS block.
click item:TOTAL
click item:TEXT_ITEM1
click item:CHECK_BOX1
click item:LIST_ITEM1
click item:IMAGE1

step 'Visual Attributes'
> The Property Palette returns the same way, through the Window menu.
nc menu:Window
up menu:Window/2 Property Palette
front palette

step 'Modifying Properties' at 30 300 arrow SW
> Font settings given directly to an item override those of its visual attribute. Leave them unchanged so the attribute decides.
click prop:Font Name
click prop:Font Size
click prop:Font Style
click prop:Font Weight

step 'Items'
> Compile File from the Administration menu checks the whole form, the new items included.
nc menu:File
up menu:File/Administration
up menu:File/Administration/Compile File
show compiled

step 'Items' at 185 175
> Recap: item types, their shared properties and visual attributes. Next lesson: the common properties of interface objects, one at a time.
click btn:OK
hide
