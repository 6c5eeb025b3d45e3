# Lesson 11: Interface Objects - Text items (continued)
# A text item that is not a column of the table: NET_TOTAL, with Database
# Item, Enabled and Data Type set for a value the form computes.
part p11c

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
node Forms/ORDERS/Blocks/ORDERS/Items/DISC_PCT : item
node Forms/ORDERS/Blocks/ORDERS/Items/TAX_PCT : item
node Forms/ORDERS/Canvases/CANVAS1 : canvas
node Forms/ORDERS/Canvases/CANVAS1/Graphics/BOILERPLATE1 : text
node Forms/ORDERS/Visual Attributes/HIGHLIGHT : attribute
node Forms/ORDERS/Windows/WINDOW1 : window
expand Forms/ORDERS/Blocks
expand Forms/ORDERS/Blocks/ORDERS
expand Forms/ORDERS/Blocks/ORDERS/Items
select Forms/ORDERS/Blocks/ORDERS/Items/TAX_PCT
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
item DISC_PCT_PROMPT text 20 190 80 16 Discount Pct
item DISC_PCT textitem 110 190 56 16
item TAX_PCT_PROMPT text 20 220 80 16 Tax rate
item TAX_PCT textitem 110 220 56 16
window layout 0 63 640 397
status Ready

click item:TAX_PCT

step 'Properties/Non-database Items' at 330 220
> Not every text item stands for a column of the table. The net total of an order, the amount after discount and tax, is worked out by the form each time and never stored. It still needs a text item to be shown.
click tool:Text Item

step 'Properties/Non-database Items' at 330 220 arrow D
> The Text Item tool is chosen; a click below TAX_PCT draws the new item.
click canvas@110,250
item TEXT_ITEM7 textitem 110 210 80 16
selitem TEXT_ITEM7
tool Select
node Forms/ORDERS/Blocks/ORDERS/Items/TEXT_ITEM7 : item
select Forms/ORDERS/Blocks/ORDERS/Items/TEXT_ITEM7

step 'Properties/Non-database Items' at 330 150 arrow U
> Its properties are set in the palette, opened once more from the Tools menu.
pick Tools/Property Palette
window palette 300 63 340 397

step 'Properties/Non-database Items' at 40 250 arrow R
> The item is named net_total, which the designer stores as NET_TOTAL.
click val:Name
type net_total{Enter}
prop Name = NET_TOTAL
rename Forms/ORDERS/Blocks/ORDERS/Items/TEXT_ITEM7 = NET_TOTAL
remove TEXT_ITEM7
item NET_TOTAL textitem 110 250 80 16
click prop:Name
step 'Properties/Non-database Items' at 40 250 arrow R
> Enabled set to No keeps the user out of the item: the form fills in the net total, and nobody should type over it.
click prop:Enabled

dclick val:Enabled
prop Enabled = No
scroll palette 12

step 'Properties/Non-database Items' at 40 250 arrow R
> The net total is an amount, so its Data Type becomes Number.
dclick val:Data Type
prop Data Type = Number

step 'Properties/Non-database Items' at 40 250 arrow NW
> Database Item is the key property here. While it is Yes, the form looks for a NET_TOTAL column in the table when it queries and saves, and fails because there is none.
click prop:Database Item

step 'Properties/Non-database Items' at 40 250 arrow R
> A double click sets Database Item to No. The item now belongs to the block and shows a value in every record, but the form never reads it from the table or writes it back.
dclick val:Database Item
prop Database Item = No

step 'Properties/Non-database Items' at 40 250 arrow L
> Column Name no longer matters, because a non-database item has no column.
click prop:Column Name

step 'Properties/Non-database Items' at 35 250 arrow R
> Query Only applies only to database items, so it can stay No as well.
click prop:Query Only
click val:Query Only
click prop:Prompt

step 'Properties/Non-database Items' at 40 250 arrow L prop:Prompt
> Like the other items, NET_TOTAL needs a prompt. Typing Net total in the Prompt value gives it one.
click val:Prompt
type Net total{Enter}
prop Prompt = Net total
click prop:Prompt

step 'Properties/Non-database Items' at 330 150
> The Window menu brings the Layout Editor forward.
pick Window/3 Layout Editor
front layout
item NET_TOTAL_PROMPT text 20 250 80 16 Net total

step 'Properties/Non-database Items' at 330 220 arrow D
> NET_TOTAL sits under the two rates with its prompt. On the canvas it looks like any other text item; the difference lies in its properties.
click item:NET_TOTAL

step 'Properties/Non-database Items' at 330 150
> Running the form shows how the item behaves.
pick Program/Run Form
window runtime 0 63 640 397
status Running ORDERS
set run:DISC_PCT = 0.00
set run:TAX_PCT = 20.00
click run:ORDER_ID

step 'Properties/Non-database Items' at 330 220
> The pointer clicks NET_TOTAL, but the cursor does not go there: the item is not enabled, so the user can read its value and never change it. A trigger will compute the value in a later lesson.
click run:NET_TOTAL
focus run:ORDER_ID
click run:TAX_PCT
click run:DISC_PCT
click win:runtime.close
close runtime
status Ready

step 'Properties/Non-database Items' at 215 177 300 160
> Recap: a text item with Database Item No shows a value the form works out, such as a total. Next lesson: push buttons.
pick File/Save
click item:NET_TOTAL
click item:TAX_PCT

step 'Properties/Non-database Items' at 330 220
> Recap: text items from the table and NET_TOTAL, computed by the form, with their data properties. Next lesson: push buttons.
down item:NET_TOTAL
