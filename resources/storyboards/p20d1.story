# Lesson 20, part 6: Orders corresponding with the chosen customer
# The Find button's trigger restricts the ORDERS block to the customer
# chosen in the control block; it is compiled and the module saved.
part p20d1

caption Form Designer - [ORDERS_FORM]
status Connected to shop as demo
window layout 250 63 390 397
window navigator 0 63 250 397
node Forms/ORDERS : module
node Forms/ORDERS/Blocks/ORDERS : block
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
node Forms/ORDERS/Blocks/ORDERS/Items/IS_PAID : checkbox
node Forms/ORDERS/Blocks/ORDERS/Items/SHIP_VIA : item
node Forms/ORDERS/Blocks/ORDERS/Items/BUYER : item
node Forms/ORDERS/Canvases/CANVAS1 : canvas
node Forms/ORDERS/Canvases/CANVAS1/Graphics/BOILERPLATE1 : text
node Forms/ORDERS/Lists of Values/LOV1 : lov
node Forms/ORDERS/Lists of Values/LOV2 : lov
node Forms/ORDERS/Record Groups/RECORD_GROUP1 : recordgroup
node Forms/ORDERS/Record Groups/RECORD_GROUP1/Column Definitions/CODE : column
node Forms/ORDERS/Record Groups/RECORD_GROUP1/Column Definitions/NAME : column
node Forms/ORDERS/Record Groups/RECORD_GROUP2 : recordgroup
node Forms/ORDERS/Record Groups/RECORD_GROUP2/Column Definitions/NAME : column
node Forms/ORDERS/Visual Attributes/HIGHLIGHT : attribute
node Forms/ORDERS/Windows/WINDOW1 : window
node Forms/ORDERS_FORM : module
expand Forms
expand Forms/ORDERS_FORM
node Forms/ORDERS_FORM/Blocks/CONTROL : block
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/CUSTOMER_ID : item
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/CUSTOMER_NAME : item
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/TOTAL : item
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/LOV_BUTTON : button
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/LOV_BUTTON/Triggers/On Press : trigger
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND : button
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND/Triggers/On Press : trigger
node Forms/ORDERS_FORM/Blocks/ORDERS : block
node Forms/ORDERS_FORM/Blocks/ORDERS/Items/ORDER_ID : item
node Forms/ORDERS_FORM/Blocks/ORDERS/Items/CUSTOMER_ID : item
node Forms/ORDERS_FORM/Blocks/ORDERS/Items/ORDER_DATE : item
node Forms/ORDERS_FORM/Blocks/ORDERS/Items/AMOUNT : item
node Forms/ORDERS_FORM/Blocks/ORDERS/Items/STATUS : item
node Forms/ORDERS_FORM/Canvases/CANVAS1 : canvas
node Forms/ORDERS_FORM/Lists of Values/LOV1 : lov
node Forms/ORDERS_FORM/Record Groups/RECORD_GROUP1 : recordgroup
node Forms/ORDERS_FORM/Record Groups/RECORD_GROUP1/Column Definitions/CUSTOMER_ID : item
node Forms/ORDERS_FORM/Record Groups/RECORD_GROUP1/Column Definitions/NAME : item
node Forms/ORDERS_FORM/Windows/WINDOW1 : window
expand Forms/ORDERS_FORM/Blocks
expand Forms/ORDERS_FORM/Blocks/CONTROL
expand Forms/ORDERS_FORM/Blocks/CONTROL/Items
select Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND
canvas CANVAS1 540 340
item FRAME1 frame 10 6 500 80
item CUSTOMER_ID textitem 90 28 72 18
item LOV_BUTTON button 164 28 22 18 ...
item CUSTOMER_NAME textitem 192 28 170 18
item FIND button 380 28 80 20 Find
item ORDERS_FRAME frame 10 96 500 150 Orders
item ORDER_ID_PROMPT text 20 104 70 16 Order Id
item ORDER_DATE_PROMPT text 96 104 90 16 Order Date
item AMOUNT_PROMPT text 192 104 90 16 Amount
item ORDER_ID textitem 20 120 70 18
item ORDER_DATE textitem 96 120 90 18
item AMOUNT textitem 192 120 90 18
item ORDER_ID_2 textitem 20 142 70 18 ORDER_ID
item ORDER_DATE_2 textitem 96 142 90 18 ORDER_DATE
item AMOUNT_2 textitem 192 142 90 18 AMOUNT
item ORDER_ID_3 textitem 20 164 70 18 ORDER_ID
item ORDER_DATE_3 textitem 96 164 90 18 ORDER_DATE
item AMOUNT_3 textitem 192 164 90 18 AMOUNT
item TOTAL textitem 192 256 90 18

click node+:Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND
click node+:Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND/Triggers
dclick node:Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND/Triggers/On Press
window editor 40 100 560 280
edtitle FIND: On Press
code line -- Show only the orders of the customer chosen above
code line ENTER_BLOCK('ORDERS');
code line SET_BLOCK_FILTER('ORDERS',
code line    'customer_id = :control.customer_id');
code line FETCH_ROWS;

step 'Orders corresponding with chosen customer' at 215 300 arrow NE
> The Find trigger now sets a filter before the query, so only the orders of the chosen customer appear. Compile it from the Program menu.
nc menu:Program
up menu:Program/Compile
show compiled
click btn:OK
hide
click ed:Close
close editor
nc menu:File
up menu:File/Save
click node:Forms/ORDERS_FORM/Blocks/ORDERS
