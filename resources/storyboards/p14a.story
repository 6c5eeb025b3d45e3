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
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_STATUS : list
node Forms/ORDERS/Blocks/ORDERS/Items/PAY_METHOD : radio
node Forms/ORDERS/Blocks/ORDERS/Items/PAY_METHOD/Radio Buttons/RADIO_BUTTON1 : radiobutton
node Forms/ORDERS/Blocks/ORDERS/Items/PAY_METHOD/Radio Buttons/RADIO_BUTTON2 : radiobutton
node Forms/ORDERS/Blocks/ORDERS/Items/PAY_METHOD/Radio Buttons/RADIO_BUTTON3 : radiobutton
expand Forms/ORDERS/Blocks/ORDERS/Items
node Forms/ORDERS/Canvases/CANVAS1 : canvas
node Forms/ORDERS/Windows/WINDOW1 : window
select Forms/ORDERS/Blocks/ORDERS/Items/PAY_METHOD
prop Data Type = Number
prop Initial Value = 1
window palette 300 63 340 397
window layout 0 63 640 397
canvas CANVAS1 540 340
item ORDER_ID_PROMPT text 20 30 80 16 Order Id
item ORDER_ID textitem 110 28 80 18
item ORDER_DATE_PROMPT text 20 60 80 16 Order Date
item ORDER_DATE textitem 110 58 90 18
item STATUS_PROMPT text 20 90 80 16 Status
item ORDER_STATUS list 110 88 120 18
item PAYMENT_PROMPT text 20 130 80 16 Paid by
item PAY_FRAME frame 100 118 120 78 Payment
item RADIO_BUTTON1 radio 110 130 90 16 Cash
item RADIO_BUTTON2 radio 110 150 90 16 Card
item RADIO_BUTTON3 radio 110 170 90 16 Invoice
status Ready

nc menu:Program
up menu:Program/Run Form
item ORDER_STATUS list 110 88 120 18 Pending
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
