# Lesson 9: Interface Objects - Common Properties
# The first nine of the properties that every interface object shares,
# set on a new text item of the ORDERS block: Name, Class, Displayed,
# Width, Height, Visual Attribute Name, Font Name, Font Size, Font Style.
part p9
starts-elsewhere orders9.fdes is opened: a copy of ORDERS cut down to three items and a new text item

caption Form Designer
window navigator 0 63 300 397
expand Forms
window palette 300 63 340 397
front navigator
show open
set File name = orders9.fdes
rows Folders and files = orders.fdes | orders9.fdes | products.fdes
selrow Folders and files/orders9.fdes
status Ready

step 'Interface Objects - Common Properties' at 350 250
> Interface objects share common properties. Press Open to load orders9.fdes, a copy of ORDERS cut down to three items; the properties are set on a fourth one, TEXT_ITEM3.
click btn:Open
hide
caption Form Designer - [ORDERS]
node Forms/ORDERS : module
expand Forms
expand Forms/ORDERS
node Forms/ORDERS/Blocks/ORDERS : block
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_ID : item
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_DATE : item
node Forms/ORDERS/Blocks/ORDERS/Items/CUSTOMER_ID : item
node Forms/ORDERS/Blocks/ORDERS/Items/TEXT_ITEM3 : item
node Forms/ORDERS/Property Classes/AMOUNT_FIELD : group
node Forms/ORDERS/Visual Attributes/HIGHLIGHT : attribute
node Forms/ORDERS/Canvases/CANVAS1 : canvas
node Forms/ORDERS/Windows/WINDOW1 : window
expand Forms/ORDERS/Blocks
expand Forms/ORDERS/Blocks/ORDERS
expand Forms/ORDERS/Blocks/ORDERS/Items
expand Forms/ORDERS/Property Classes
scroll navigator 3
select Forms/ORDERS/Blocks/ORDERS
canvas CANVAS1 540 340
item ORDER_ID_PROMPT text 20 30 80 16 Order Id
item ORDER_ID textitem 110 28 80 18
item ORDER_DATE_PROMPT text 20 60 80 16 Order Date
item ORDER_DATE textitem 110 58 80 18
item CUSTOMER_ID_PROMPT text 20 90 80 16 Customer Id
item CUSTOMER_ID textitem 110 88 80 18
item TEXT_ITEM3 textitem 110 118 80 16
status Opened orders9.fdes
click node:Forms/ORDERS/Blocks/ORDERS/Items/TEXT_ITEM3

step 'Name' at 40 250 arrow R
> Name is the first row of every object's palette. The designer gave the new item the name TEXT_ITEM3; click its value to change it to a name that says what the item holds.
click val:Name

step 'Name' at 40 250
> The old name is selected, so typing replaces it. Names are unique within the block, must begin with a letter and may contain letters, digits and the underscore.
type total_due{Enter}
prop Name = TOTAL_DUE
rename Forms/ORDERS/Blocks/ORDERS/Items/TEXT_ITEM3 = TOTAL_DUE
remove TEXT_ITEM3
item TOTAL_DUE textitem 110 118 80 16

step 'Name' at 330 250 arrow L
> The designer stores the name in capitals, and the navigator shows TOTAL_DUE at once. Code refers to the item by this name, written with its block as :ORDERS.TOTAL_DUE.
click node:Forms/ORDERS/Blocks/ORDERS/Items/TOTAL_DUE

step 'Class' at 40 250 arrow R
> Class names a property class: a named set of property values kept under Property Classes in the navigator. An item based on a class takes every value the class defines.
click val:Class

step 'Class' at 330 120 arrow L node:Forms/ORDERS/Property Classes/AMOUNT_FIELD
> This form already has a class, AMOUNT_FIELD. Classes keep many items alike, such as every money field; here Class stays empty, so TOTAL_DUE keeps values of its own.
click node:Forms/ORDERS/Property Classes
click node:Forms/ORDERS/Blocks/ORDERS/Items/TOTAL_DUE

step 'Displayed' at 40 250 arrow R
> Displayed decides whether the object can be seen on its canvas at run time. Its value is Yes.
click val:Displayed

step 'Displayed' at 40 250
> A value with a fixed list of choices changes with a double click, which steps to the next choice. Displayed is now No: the item still exists and still holds its value, but the user never sees it.
dclick val:Displayed
prop Displayed = No

step 'Displayed' at 40 250
> Hidden items are handy for values that code needs but the user does not. This total must be seen, so a second double click sets Displayed back to Yes.
dclick val:Displayed
prop Displayed = Yes

step 'Width' at 40 250 arrow L
> Width is the size of the item across the canvas, measured in the form's coordinate units. The designer gave the item the standard width of 80.
click prop:Width
click val:Width

step 'Width' at 330 150 arrow U
> Width and Height can also be set by drawing. The Layout Editor opens from the Tools menu.
pick Tools/Layout Editor
window layout 0 63 640 397

step 'Width' at 330 250 arrow D item:TOTAL_DUE
> In the Layout Editor the pointer clicks TOTAL_DUE, the box below Customer Id. Handles appear on the corners of the selected item.
click tool:Select
click item:TOTAL_DUE

step 'Width' at 330 250 arrow SW
> Dragging the lower right handle resizes the item. The pointer drags it a little to the right and down, which makes the item both wider and taller.
drag item:TOTAL_DUE +39,+7 => canvas@205,137
item TOTAL_DUE textitem 110 118 96 20
prop Width = 96
prop Height = 20

step 'Height' at 40 250 arrow NW
> The Window menu brings the Property Palette back to the front.
pick Window/2 Property Palette
front palette

step 'Height' at 40 250 arrow R
> Height is the size of the item from top to bottom. After the drag it reads 20, and Width above it reads 96: what you draw and what the palette shows are always the same values.
click val:Height
click val:Width

step 'Visual Attribute Name' at 40 250 arrow L
> Visual Attribute Name names a set of font and colour settings shared by many objects. DEFAULT means the object uses its own settings.
click prop:Visual Attribute Name
click val:Visual Attribute Name

step 'Visual Attribute Name' at 40 250
> A double click chooses the next visual attribute of the form, HIGHLIGHT. Its font and colours would now replace those of the item.
dclick val:Visual Attribute Name
prop Visual Attribute Name = HIGHLIGHT

step 'Visual Attribute Name' at 40 250
> This lesson sets the font of the item itself, so one more double click returns the value to DEFAULT.
dclick val:Visual Attribute Name
prop Visual Attribute Name = DEFAULT

step 'Font Name' at 40 250 arrow R
> The font properties come next. Font Name is the typeface of the text shown in the item: the value the user types and the value the form displays.
click val:Font Name

step 'Font Name' at 40 250
> Typing replaces the default typeface with Serif. Choose a typeface that every user's machine has, or the form falls back to another one.
type Serif

step 'Font Size' at 40 250 arrow R
> Font Size is the size of the characters in points. Clicking the row also stores the Serif typeface typed a moment ago.
click val:Font Size

step 'Font Size' at 40 250 arrow D
> A double click steps the size from 8 to 10 points, a little easier to read for an amount the user checks often.
dclick val:Font Size
prop Font Size = 10

step 'Font Style' at 40 250 arrow R
> Font Style is the slant of the characters: Plain for upright text, or Italic.
click val:Font Style

step 'Font Style' at 40 250
> Typing Italic sets the style, so the amount stands apart from the values the user enters. Moving to another window ends the edit and stores it.
type Italic

pick Window/3 Layout Editor
front layout

step 'Interface Objects - Common Properties' at 215 177 300 160
> Every property set here belongs to this item alone, and other interface objects show the same rows. Save the form; the next part goes on.
pick File/Save
down item:TOTAL_DUE
