# Lesson 14: Interface Objects - Radio buttons/groups (part 1)
# Three radio buttons are drawn for the way an order is paid, each gets a
# label and a value, their radio group is named and given an initial value,
# and the group is tried in the running form.
part p14

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
item ORDER_STATUS list 400 28 120 18
status Ready

step 'Interface Objects - Radio buttons/groups'
> Radio buttons offer a few choices, and the user turns on exactly one. The ORDERS form as lesson 13 left it gets three, for the way an order is paid.
down tool:Radio Button

step 'Description/Radio Buttons' at 215 240 arrow L
> The Radio Button tool draws one button at a time. Pick it in the tool palette.
up tool:Radio Button

step 'Description/Radio Buttons' at 330 240 arrow SW
> Press the mouse button on the canvas below the status list.
down canvas@410,80
item RADIO_BUTTON1 radio 410 80 95 16
selitem RADIO_BUTTON1
node Forms/ORDERS/Blocks/ORDERS/Items/RADIO_GROUP1 : radio
node Forms/ORDERS/Blocks/ORDERS/Items/RADIO_GROUP1/Radio Buttons/RADIO_BUTTON1 : radiobutton
select Forms/ORDERS/Blocks/ORDERS/Items/RADIO_GROUP1/Radio Buttons/RADIO_BUTTON1
tool Select

step 'Description/Radio Buttons' at 330 240
> Drag and release. A radio button never stands alone: it always belongs to a radio group, so the designer creates the group RADIO_GROUP1 in the ORDERS block and puts RADIO_BUTTON1 into it.
up canvas@505,96
click item:RADIO_BUTTON1
click item:ORDER_STATUS
click item:RADIO_BUTTON1

step 'Description/Radio Groups' at 215 240
> The radio group holds the data: its value is the value of the button that is on. Each button gives a label and a value. Open the Property Palette.
nc menu:Tools
up menu:Tools/Property Palette
window palette 0 63 300 397

step 'Properties/Radio Buttons' at 20 240 arrow R
> The palette shows RADIO_BUTTON1. Label is the text printed beside the button; click its value and type Cash.
click val:Label
type Cash
prop Label = Cash
item RADIO_BUTTON1 radio 410 80 95 16 Cash
click item:RADIO_BUTTON1

step 'Properties/Radio Buttons' at 20 240
> Radio Button Value is what the group receives when this button is chosen. Type 1 for cash.
click val:Radio Button Value
type 1

step 'Description/Radio Buttons' at 330 240 arrow U @26,297
> The canvas shows the label Cash beside the round button. Draw the second button just below the first.
click tool:Radio Button
down canvas@410,100
item RADIO_BUTTON2 radio 410 100 95 16
selitem RADIO_BUTTON2
node Forms/ORDERS/Blocks/ORDERS/Items/RADIO_GROUP1/Radio Buttons/RADIO_BUTTON2 : radiobutton
select Forms/ORDERS/Blocks/ORDERS/Items/RADIO_GROUP1/Radio Buttons/RADIO_BUTTON2
tool Select
up canvas@505,116
click item:RADIO_BUTTON2

step 'Properties/Radio Buttons' at 20 240 arrow R
> The new button joins the same group. Give it the label Card...
click val:Label
type Card
prop Label = Card
item RADIO_BUTTON2 radio 410 100 95 16 Card
click item:RADIO_BUTTON2

step 'Properties/Radio Buttons' at 20 240
> ...and the value 2. Every button of a group needs a value of its own, or the group could not tell them apart.
click val:Radio Button Value
type 2

click tool:Radio Button
down canvas@410,120
item RADIO_BUTTON3 radio 410 120 95 16
selitem RADIO_BUTTON3
node Forms/ORDERS/Blocks/ORDERS/Items/RADIO_GROUP1/Radio Buttons/RADIO_BUTTON3 : radiobutton
select Forms/ORDERS/Blocks/ORDERS/Items/RADIO_GROUP1/Radio Buttons/RADIO_BUTTON3
tool Select
up canvas@505,136
click item:RADIO_BUTTON3

step 'Properties/Radio Buttons' at 20 240 arrow R
> The third button, for orders paid by invoice, is drawn the same way. Its label is Invoice and its value 3.
click val:Label
type Invoice
prop Label = Invoice
item RADIO_BUTTON3 radio 410 120 95 16 Invoice
click item:RADIO_BUTTON3
click val:Radio Button Value
type 3{Enter}

step 'Description/Radio Groups' at 215 240
> Now the group itself. The Object Navigator shows how the buttons are arranged under it.
nc menu:Tools
up menu:Tools/Object Navigator
window navigator 340 63 300 397
scroll navigator 6
expand Forms/ORDERS/Blocks/ORDERS/Items/RADIO_GROUP1
expand Forms/ORDERS/Blocks/ORDERS/Items/RADIO_GROUP1/Radio Buttons

step 'Description/Radio Groups' at 330 110 arrow R
> RADIO_GROUP1 is listed under Items, like every item of the block. Its Radio Buttons node holds the three buttons in the order they were drawn. Click the group to see its properties.
click node:Forms/ORDERS/Blocks/ORDERS/Items/RADIO_GROUP1

step 'Properties/Radio Groups' at 420 300 arrow R
> Rename the group after the column it fills: click Name and type pay_method. The designer stores names in capitals.
click val:Name
type pay_method{Enter}
rename Forms/ORDERS/Blocks/ORDERS/Items/RADIO_GROUP1 = PAY_METHOD
prop Name = PAY_METHOD

click prop:Item Type

step 'Properties/Radio Groups' at 420 300 arrow L prop:Data Type
> Data Type must suit the values of the buttons. The values 1, 2 and 3 are numbers, so set it to Number.
down val:Data Type
droplist Char | Number | Date = Number
up val:Data Type
prop Data Type = Number
droplist

step 'Properties/Radio Groups' at 420 300 arrow D
> Initial Value decides which button is on when a new record appears. Type 1, so that new orders start as paid in cash.
click val:Initial Value
type 1{Enter}

step 'Properties/Radio Groups' at 420 300 arrow D
> Mapping of Other Values names the button that shows a value matching no button. Old orders only hold 1, 2 or 3, so it can stay empty.
click prop:Mapping of Other Values

step 'Properties/Radio Groups' at 420 300
> Database Item is Yes, so the value of the group is read from and saved in the PAY_METHOD column of the ORDERS table.
click prop:Database Item

click prop:Required
click prop:Displayed
click prop:Enabled
click prop:Canvas

step 'Properties/Radio Buttons' at 330 160 arrow R
> Back to the buttons: each one keeps a few properties of its own. Click RADIO_BUTTON1 in the navigator.
click node:Forms/ORDERS/Blocks/ORDERS/Items/PAY_METHOD/Radio Buttons/RADIO_BUTTON1

click prop:Enabled

step 'Properties/Radio Buttons' at 420 300 arrow L
> Enabled and Displayed belong to each button: set to No, they grey out or hide that one button while the others still work.
click prop:Displayed
click prop:Width
click prop:Height
click node:Forms/ORDERS/Blocks/ORDERS/Items/PAY_METHOD/Radio Buttons/RADIO_BUTTON2
click node:Forms/ORDERS/Blocks/ORDERS/Items/PAY_METHOD/Radio Buttons/RADIO_BUTTON3
click node+:Forms/ORDERS/Blocks/ORDERS/Items/PAY_METHOD/Radio Buttons
nc menu:Window
up menu:Window/3 Layout Editor
front layout

step 'Description/Radio Buttons' at 330 240 arrow L
> A frame drawn around the buttons shows the user that they belong together. Pick the Frame tool and drag a rectangle around the three buttons; the frame is only decoration and holds no data.
click tool:Frame
drag canvas@400,68 => canvas@520,146
item PAY_FRAME frame 400 68 120 78 Payment
selitem PAY_FRAME
click item:RADIO_BUTTON1
click item:RADIO_BUTTON2
click item:RADIO_BUTTON3
click item:PAY_FRAME
nc menu:Tools
up menu:Tools/Property Palette
front palette

step 'Description/Radio Buttons' at 330 260
> Run the form to try the group.
nc menu:Program
up menu:Program/Run Form
item ORDER_STATUS list 400 28 120 18 Pending
window runtime 40 90 560 300

step 'Description/Radio Buttons' at 330 245 arrow R
> A new order starts with Cash chosen, because the initial value of the group is 1. Click Card.
click run:RADIO_BUTTON2
again

step 'Description/Radio Buttons' at 330 260
> Card is now the chosen button and Cash has gone off by itself: the group holds 2. The user cannot turn every button off; they can only choose another one.
click run:RADIO_BUTTON3
again

step 'Description/Radio Buttons' at 295 240 arrow NW run:RADIO_BUTTON3
> Now Invoice is chosen and the group holds 3, the value that will be saved with the order.
click run:RADIO_BUTTON1
click win:runtime.close
close runtime
item ORDER_STATUS list 400 28 120 18

step 'Description/Radio Buttons' at 215 177 arrow U
> Save the form with the Save button of the toolbar. The next part tries the finished group once more.
click tb:Save
