# Lesson 13: Interface Objects - List items (part 1)
# What a list item is: one is drawn on the ORDERS canvas, named, given its
# elements, an initial value and a width, and tried in the running form.
part p13

caption Form Designer - [ORDERS]
node Forms/ORDERS : module
expand Forms
expand Forms/ORDERS
node Forms/ORDERS/Blocks/ORDERS : block
expand Forms/ORDERS/Blocks
expand Forms/ORDERS/Blocks/ORDERS
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_ID : item
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_DATE : item
node Forms/ORDERS/Blocks/ORDERS/Items/CUSTOMER_ID : item
node Forms/ORDERS/Blocks/ORDERS/Items/TOTAL_DUE : item
node Forms/ORDERS/Blocks/ORDERS/Items/DISC_PCT : item
node Forms/ORDERS/Blocks/ORDERS/Items/TAX_PCT : item
node Forms/ORDERS/Blocks/ORDERS/Items/NET_TOTAL : item
node Forms/ORDERS/Blocks/ORDERS/Items/PUSH_BUTTON1 : button
node Forms/ORDERS/Blocks/ORDERS/Items/PUSH_BUTTON1/Triggers/On Press : trigger
expand Forms/ORDERS/Blocks/ORDERS/Items
node Forms/ORDERS/Canvases/CANVAS1 : canvas
node Forms/ORDERS/Canvases/CANVAS1/Graphics/BOILERPLATE1 : text
node Forms/ORDERS/Windows/WINDOW1 : window
node Forms/ORDERS/Visual Attributes/HIGHLIGHT : attribute
select Forms/ORDERS/Blocks/ORDERS
window layout 0 63 640 397
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
item NET_TOTAL_PROMPT text 20 250 80 16 Net total
item NET_TOTAL textitem 110 250 80 16
item PUSH_BUTTON1 button 210 248 100 18 Recalculate
status Ready

step 'Interface Objects - List items'
> A list item lets the user pick a value instead of typing it. The ORDERS form of lesson 12 gets a list for the status of an order, in the free space on the right.
down tool:List Item

step 'Description' at 215 240 arrow L
> The List Item tool is in the tool palette on the left of the Layout Editor. Once it is picked, the next shape you draw on the canvas becomes a list item.
up tool:List Item

step 'Description' at 330 200 arrow SW
> Press the mouse button in the empty space at the top right of the canvas, where the top-left corner of the list should go.
down canvas@400,28
item LIST_ITEM1 list 400 28 90 18
selitem LIST_ITEM1
node Forms/ORDERS/Blocks/ORDERS/Items/LIST_ITEM1 : list
select Forms/ORDERS/Blocks/ORDERS/Items/LIST_ITEM1
tool Select

step 'Description' at 330 200
> Drag to the opposite corner and let go. The designer adds LIST_ITEM1 to the ORDERS block and draws it with a small button at its right end, the mark of a drop-down list.
up canvas@490,46
click item:LIST_ITEM1

step 'Description' at 215 240
> The user never types into a list item: they open the list and pick an element, and the form puts that element's value into the item.
nc menu:Tools

step 'Description' arrow NW
> Open the Property Palette to give the new item a name and its elements.
up menu:Tools/Property Palette
window palette 0 63 300 397
click prop:Name

step 'Description' at 20 240 arrow R
> The palette lists the properties of LIST_ITEM1. Click the value of Name to rename the item after the column it will hold.
down val:Name
up val:Name
type order_status{Enter}
rename Forms/ORDERS/Blocks/ORDERS/Items/LIST_ITEM1 = ORDER_STATUS
prop Name = ORDER_STATUS
item ORDER_STATUS list 400 28 90 18
remove LIST_ITEM1
selitem ORDER_STATUS

step 'Description' at 20 240
> The Item Type row reads List Item because the item was drawn with the List Item tool. Changing this row would turn it into another kind of item.
click prop:Item Type

step 'Description' at 20 240
> List Style sets how the list looks. Poplist, the default, shows one value and opens when the user clicks its button.
click prop:List Style

step 'Description' at 20 240 arrow L @570,172
> Elements in List holds the choices themselves. Clicking its value opens the List Elements dialog.
down val:Elements in List
up val:Elements in List
show elements
rows List Elements = Pending | Shipped | Cancelled
selrow List Elements/Pending
set List Item Value = P

step 'Description' at 10 0 arrow R
> Every line of the upper list is an element: the text the user reads. Pending is selected, and the field below shows P, the value the item receives when the user picks Pending.
click row:List Elements/Pending
click fld:List Item Value

step 'Description' at 10 20
> Shipped has its own value, S. The labels can be long and friendly while the stored values stay short codes that fit the column.
click row:List Elements/Shipped
set List Item Value = S
click row:List Elements/Cancelled
set List Item Value = C

step 'Description' at 10 20 arrow D
> Cancelled is stored as C. OK keeps the three elements with their values.
click btn:OK
hide
prop Elements in List = Pending, Shipped, Cancelled

step 'Description' at 20 110 arrow R
> A list item needs an initial value that is one of its elements, or the form cannot show the list on a new record. Click Initial Value and type P, so that every new order starts as Pending.
click val:Initial Value
type P

step 'Description' at 20 260 arrow R
> Cancelled is the longest label, so the item must be wider than the default 80. Type 120 as its width.
click val:Width
type 120
item ORDER_STATUS list 400 28 120 18
click item:ORDER_STATUS

step 'Description' at 330 240 arrow L
> The canvas shows the wider list at once, at the top of the right-hand column.
click item:ORDER_STATUS

step 'Description' at 215 240
> Run the form to try the list the way the user will meet it.
nc menu:Program

step 'Description' arrow U
> Choose Run Form.
up menu:Program/Run Form
item ORDER_STATUS list 400 28 120 18 Pending
window runtime 40 90 560 300

step 'Description' at 330 240 arrow R
> The new record shows Pending, the initial value. Clicking the list opens it.
click run:ORDER_STATUS
item DROP rect 400 46 120 52
item DROP_PENDING text 402 48 116 16 Pending
item DROP_SHIPPED text 402 64 116 16 Shipped
item DROP_CANCELLED text 402 80 116 16 Cancelled

step 'Description' at 335 240 arrow L
> The open list shows the three labels. Pick Shipped: the list closes, shows the new choice, and the item now holds S.
click run:DROP_SHIPPED
remove DROP
remove DROP_PENDING
remove DROP_SHIPPED
remove DROP_CANCELLED
item ORDER_STATUS list 400 28 120 18 Shipped

step 'Description' at 215 240 arrow D
> Close the running form to go back to the designer.
click win:runtime.close
close runtime
item ORDER_STATUS list 400 28 120 18

step 'Description' at 215 240
> The Object Navigator shows where the new item lives in the form.
nc menu:Tools
up menu:Tools/Object Navigator
window navigator 0 63 300 397

step 'Description' at 330 200 arrow R
> ORDER_STATUS is listed under Items of the ORDERS block, after the items that were already there. A list item is an item like any other: it belongs to a block and is shown on a canvas.
click node:Forms/ORDERS/Blocks/ORDERS/Items/ORDER_STATUS

step 'Description' at 330 200
> Save the form with the Save button of the toolbar. The next part goes through the properties of a list item one by one.
click tb:Save
