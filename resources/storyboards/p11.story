# Lesson 11: Interface Objects - Text items
# What a text item is, then a new DISC_PCT item drawn on the ORDERS canvas
# and its data properties set: type, length, initial value, mask, prompt.
part p11

caption Form Designer - [ORDERS]
window navigator 0 63 300 397
node Forms/ORDERS : module
expand Forms
expand Forms/ORDERS
node Forms/ORDERS/Blocks/ORDERS : block
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_ID : item
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_DATE : item
node Forms/ORDERS/Blocks/ORDERS/Items/CUSTOMER_ID : item
node Forms/ORDERS/Blocks/ORDERS/Items/TOTAL_DUE : item
node Forms/ORDERS/Canvases/CANVAS1 : canvas
node Forms/ORDERS/Canvases/CANVAS1/Graphics/BOILERPLATE1 : text
node Forms/ORDERS/Visual Attributes/HIGHLIGHT : attribute
node Forms/ORDERS/Windows/WINDOW1 : window
expand Forms/ORDERS/Blocks
select Forms/ORDERS
canvas CANVAS1 540 340
item ORDER_ID_PROMPT text 20 30 80 16 Order Id
item ORDER_ID textitem 110 28 80 18
item ORDER_DATE_PROMPT text 20 60 80 16 Order Date
item ORDER_DATE textitem 110 58 80 18
item CUSTOMER_ID_PROMPT text 20 90 80 16 Customer Id
item CUSTOMER_ID textitem 110 88 80 18
item BOILERPLATE1 text 20 120 80 16 Amount Due
item BOILERPLATE2 text 20 170 80 16 Order totals
item TOTAL_DUE textitem 110 118 96 20
window layout 0 63 640 397
status Ready

step 'Description' at 330 220
> A text item is a box in which the form shows a value and the user types one. ORDER_ID, ORDER_DATE, CUSTOMER_ID and TOTAL_DUE on this canvas are text items.
click item:ORDER_ID

step 'Description' at 330 220 arrow D
> Each text item belongs to a block and holds one value of the block's record. ORDER_DATE holds the date of the order shown in the ORDERS block.
click item:ORDER_DATE

step 'Description' at 330 220
> When a block is based on a table, each of its text items stands for one column: CUSTOMER_ID shows the CUSTOMER_ID column of the order.
click item:CUSTOMER_ID

step 'Description' at 330 150 arrow U
> The Object Navigator shows where text items are kept in the form.
pick Window/1 Object Navigator
front navigator

step 'Description' at 330 220 arrow R node:Forms/ORDERS/Blocks/ORDERS
> Expanding the ORDERS block shows its Triggers, Items and Relations.
click node+:Forms/ORDERS/Blocks/ORDERS

step 'Description' at 330 220 arrow L
> Items groups every item of the block, text items and all other kinds alike.
click node+:Forms/ORDERS/Blocks/ORDERS/Items

step 'Description' at 330 220
> Clicking an item selects it. The icon beside each name tells the kind of item; all four items of ORDERS are text items.
click node:Forms/ORDERS/Blocks/ORDERS/Items/ORDER_ID
click node:Forms/ORDERS/Blocks/ORDERS/Items/ORDER_DATE
click node:Forms/ORDERS/Blocks/ORDERS/Items/CUSTOMER_ID
click node:Forms/ORDERS/Blocks/ORDERS/Items/TOTAL_DUE

step 'Description' at 330 150
> A new text item is best drawn where it will appear, so the pointer returns to the Layout Editor.
pick Window/3 Layout Editor
front layout

step 'Description' at 120 220 arrow L
> The Text Item tool of the tool palette draws text items.
click tool:Text Item

step 'Description' at 330 220 arrow D
> A click on the canvas below TOTAL_DUE creates a text item of the standard size at that spot.
click canvas@110,190
item TEXT_ITEM5 textitem 110 150 80 16
selitem TEXT_ITEM5
tool Select
node Forms/ORDERS/Blocks/ORDERS/Items/TEXT_ITEM5 : item
select Forms/ORDERS/Blocks/ORDERS/Items/TEXT_ITEM5
prop X Position = 110
prop Y Position = 190

step 'Description' at 330 220 arrow D
> The designer names it TEXT_ITEM5 and adds it to ORDERS, the block selected in the navigator. The item will hold the discount given on the order, in percent.
click item:TEXT_ITEM5

step 'Properties' at 330 150 arrow U
> A text item has the common properties of Lesson 9 and many of its own. Open the Property Palette from the Tools menu.
pick Tools/Property Palette
window palette 300 63 340 397

step 'Properties' at 40 250 arrow R
> First the name: click the value of Name.
click val:Name

step 'Properties' at 40 250
> Typing disc_pct replaces TEXT_ITEM5; the designer keeps the name in capitals.
type disc_pct
prop Name = DISC_PCT
rename Forms/ORDERS/Blocks/ORDERS/Items/TEXT_ITEM5 = DISC_PCT
remove TEXT_ITEM5
item DISC_PCT textitem 110 190 80 16
click prop:Name

step 'Properties' at 40 250 arrow R
> Item Type reads Text Item. The same row turns an item into a push button, a check box, a list item or another kind, which then brings its own properties.
click val:Item Type

step 'Properties' at 40 250 arrow L
> Enabled decides whether the user can move into the item and change it. A disabled item is still shown, but greyed and out of reach.
click prop:Enabled

step 'Properties' at 40 250
> X Position and Y Position place the item on its canvas, and Canvas names that canvas. These rows were set by the click in the Layout Editor.
click val:X Position

step 'Properties' at 40 250 arrow R
> Canvas is CANVAS1. An item with no canvas belongs to its block but is never seen, which suits values that only code uses.
click val:Canvas
scroll palette 12

step 'Properties' at 40 250 arrow R
> The palette has scrolled down to the data properties. Data Type says what kind of value the item holds: Char, Number, Date and a few others.
click val:Data Type

step 'Properties' at 40 250
> A discount is a number, so a double click steps Data Type from Char to Number. The form will now refuse letters in this item.
dclick val:Data Type
prop Data Type = Number

step 'Properties' at 40 250 arrow R
> Maximum Length is the largest number of characters the item accepts. 30 is far too many for a percentage.
click val:Maximum Length

step 'Properties' at 40 250
> Five characters are enough for the biggest discount, 99.99.
type 5

step 'Properties' at 40 250 arrow R
> Initial Value is the value a new record starts with, before the user types anything.
click val:Initial Value

step 'Properties' at 40 250
> Most orders get no discount, so the initial value is 0.
type 0

step 'Properties' at 40 250 arrow L
> Required decides whether the record can be saved while the item is empty.
click prop:Required

step 'Properties' at 40 250 arrow R
> With Required set to Yes the record cannot be saved while the item is empty. The initial value 0 fills a new record, but the user may still clear it.
dclick val:Required
prop Required = Yes
click prop:Format Mask

step 'Properties' at 40 250 arrow R
> Format Mask sets how the value is shown and typed. In a mask, 9 stands for a digit that is left out when it is a leading zero, 0 for a digit that is always shown.
click val:Format Mask

step 'Properties' at 40 250
> The mask 90.99 shows every discount with two decimals: 0 appears as 0.00 and 7.5 as 7.50.
type 90.99
click prop:Format Mask

step 'Properties' at 40 250 arrow L
> Database Item says whether the item stands for a column of the block's table. Yes means the form reads the column when it queries and writes it when it saves.
click prop:Database Item

step 'Properties' at 40 250 arrow R
> Column Name names that column. Empty means a column with the same name as the item, here DISC_PCT.
click val:Column Name

step 'Properties' at 40 250 arrow R
> Query Only set to Yes would let the user type the value only to search for records, never to change it. The discount must be editable, so No stays.
click val:Query Only

step 'Properties' at 40 250 arrow SE
> Prompt is the label the designer draws beside the item. Unlike boilerplate text, a prompt moves with its item.
click val:Prompt

step 'Properties' at 40 0
> The prompt typed here appears to the left of the item on the canvas.
type Discount Pct{Enter}
prop Prompt = Discount Pct
click prop:Prompt

step 'Properties' at 40 250 arrow NW
> Hint is the help line shown at the bottom while the cursor is in the item; Tooltip appears when the mouse rests on it.
click val:Hint

step 'Properties' at 40 250
> Tooltip is filled in the same way. Short, concrete text works best.
click val:Tooltip

step 'Properties/Layout' at 330 150 arrow U
> Back in the Layout Editor, the new item can be checked against the others.
pick Window/3 Layout Editor
front layout
item DISC_PCT_PROMPT text 20 190 80 16 Discount Pct

step 'Properties/Layout' at 330 220 arrow L
> DISC_PCT now carries its prompt, Discount Pct, on its left, lined up with the other prompts.
click item:DISC_PCT

step 'Properties/Layout' at 330 220 arrow SW
> A percentage needs far less room than the default width, so the pointer drags the right handle to the left.
drag item:DISC_PCT +39,+7 => canvas@165,205
item DISC_PCT textitem 110 190 56 16
prop Width = 50

step 'Properties/Layout' at 330 220
> The item is now 50 wide, still enough for 99.99. Its Width property was changed by the drag.
click item:DISC_PCT

step 'Properties/Layout' at 330 220 arrow D
> Data Type, Maximum Length, Initial Value, Format Mask and the prompt let the form check every value the user types, without a line of code.
click item:TOTAL_DUE

step 'Properties/Layout' at 330 220
> One more click on DISC_PCT, then one on an empty part of the canvas, which clears the selection.
click item:DISC_PCT

click canvas@300,280
selitem

step 'Properties/Layout' at 330 220
> Save the module to keep the new text item and its properties.
pick File/Save
up item:DISC_PCT
up item:DISC_PCT
