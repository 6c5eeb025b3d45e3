# Lesson 15: Data Elements - Check boxes
# A check box that records whether an order has been paid: drawn, named,
# labelled, given its two values and an initial value, and tried.
part p15

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
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_STATUS : list
node Forms/ORDERS/Blocks/ORDERS/Items/PAY_METHOD : radio
node Forms/ORDERS/Blocks/ORDERS/Items/PAY_METHOD/Radio Buttons/RADIO_BUTTON1 : radiobutton
node Forms/ORDERS/Blocks/ORDERS/Items/PAY_METHOD/Radio Buttons/RADIO_BUTTON2 : radiobutton
node Forms/ORDERS/Blocks/ORDERS/Items/PAY_METHOD/Radio Buttons/RADIO_BUTTON3 : radiobutton
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
item RADIO_BUTTON1 radio 410 80 95 16 Cash
item RADIO_BUTTON2 radio 410 100 95 16 Card
item RADIO_BUTTON3 radio 410 120 95 16 Invoice
item PAY_FRAME frame 400 68 120 78 Payment
item ORDER_STATUS list 400 28 120 18
status Ready

step 'Data Elements - Check boxes'
> A check box has two states, ticked or not, each with its own value, so it suits yes-or-no facts. The ORDERS form gets one that records whether an order is paid.
down tool:Check Box

step 'Description' at 215 240 arrow L
> Pick the Check Box tool in the tool palette, then drag a small rectangle on the canvas below the payment frame.
up tool:Check Box
down canvas@410,160
item CHECK_BOX1 check 410 160 90 16
selitem CHECK_BOX1
node Forms/ORDERS/Blocks/ORDERS/Items/CHECK_BOX1 : checkbox
select Forms/ORDERS/Blocks/ORDERS/Items/CHECK_BOX1
tool Select
up canvas@500,176
click item:CHECK_BOX1

step 'Description' at 215 240
> CHECK_BOX1 is added to the ORDERS block. Like a radio group it holds data: the value of its state is saved in the column. Open the Property Palette.
nc menu:Tools
up menu:Tools/Property Palette
window palette 0 63 300 397

step 'Properties' at 20 310 arrow R
> Name the item after its column: click Name and type is_paid.
click val:Name
type is_paid{Enter}
rename Forms/ORDERS/Blocks/ORDERS/Items/CHECK_BOX1 = IS_PAID
prop Name = IS_PAID
item IS_PAID check 410 160 90 16
remove CHECK_BOX1
selitem IS_PAID
click prop:Item Type

step 'Properties' at 20 310 arrow R
> Label is the text beside the box. Type Paid.
click val:Label
type Paid{Enter}
prop Label = Paid
item IS_PAID check 410 160 90 16 Paid

step 'Properties' at 20 310 arrow R
> Value when Checked is stored when the box is ticked. Type 1.
click val:Value when Checked
type 1

step 'Properties' at 20 310 arrow L prop:Value when Unchecked
> Value when Unchecked is stored when the box is clear. Type 0.
click val:Value when Unchecked
type 0

step 'Properties' at 20 310 arrow D
> Mapping of Other Values says what to show when the column holds neither 1 nor 0: Not Allowed refuses such a record, while Checked or Unchecked shows it in that state.
click prop:Mapping of Other Values

step 'Properties' at 20 310
> The two values are numbers, so set Data Type to Number.
down val:Data Type
droplist Char | Number | Date = Number
up val:Data Type
prop Data Type = Number
droplist

step 'Properties' at 20 310
> Initial Value must be one of the two values. Type 0, so that a new order starts unpaid with an empty box.
click val:Initial Value
type 0
click prop:Database Item
click prop:Displayed
nc win:layout
front layout

step 'Description' at 330 275 arrow SE
> The canvas now shows the label Paid beside the box.
click item:IS_PAID
click item:PAY_FRAME

step 'Description' at 330 260
> Run the form to try the box.
nc menu:Program
up menu:Program/Run Form
item ORDER_STATUS list 400 28 120 18 Pending
window runtime 40 90 560 300

step 'Description' at 265 290 arrow U
> A new order shows the box empty: the item holds 0. Click the box to tick it, and the item holds 1; click again to clear it.
click run:IS_PAID
click run:IS_PAID
click run:IS_PAID

step 'Description' at 215 240
> The order is marked as paid; close the form and save. Recap: a check box and its two values. Next lesson: image items.
click win:runtime.close
close runtime
item ORDER_STATUS list 400 28 120 18
click tb:Save
click item:IS_PAID
