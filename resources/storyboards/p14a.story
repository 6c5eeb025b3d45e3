# Lesson 14: Interface Objects - Radio buttons/groups (part 2)
# The finished payment group of the ORDERS form, tried once more in the
# running form.
part p14a

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
select Forms/ORDERS/Blocks/ORDERS/Items/PAY_METHOD
prop Data Type = Number
prop Initial Value = 1
window palette 0 63 300 397
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

nc menu:Program
up menu:Program/Run Form
item ORDER_STATUS list 400 28 120 18 Pending
window runtime 40 90 560 300

step 'Properties/Radio Groups' at 330 240
> Here is the finished payment group in the running form. A new order starts with Cash chosen; every click on another button moves the choice, and the group always holds exactly one of the values 1, 2 and 3.
click run:RADIO_BUTTON2
click run:RADIO_BUTTON3

step 'Properties/Radio Groups' at 330 240 arrow SW
> Cash gives the group the value 1 again. Recap: one radio group, three buttons, one value. Next lesson: check boxes.
click run:RADIO_BUTTON1
click win:runtime.close
close runtime

item ORDER_STATUS list 400 28 120 18
