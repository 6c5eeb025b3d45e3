# Lesson 20, part 8: Run
# The finished form runs: a customer is picked from the list of values, the
# Find button queries that customer's orders and the total adds them up.
part p20f

caption Form Designer - [ORDERS_FORM]
status Connected to shop as demo
window navigator 0 63 250 397
window layout 0 63 640 397
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
node Forms/ORDERS_FORM/Blocks/CONTROL : block
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/TOTAL : item
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/CUSTOMER_ID : item
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/CUSTOMER_NAME : item
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/LOV_BUTTON : button
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/LOV_BUTTON/Triggers/On Press : trigger
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND : button
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND/Triggers/On Press : trigger
node Forms/ORDERS_FORM/Blocks/ORDERS : block
node Forms/ORDERS_FORM/Blocks/ORDERS/Items/AMOUNT : item
node Forms/ORDERS_FORM/Blocks/ORDERS/Items/ORDER_ID : item
node Forms/ORDERS_FORM/Blocks/ORDERS/Items/CUSTOMER_ID : item
node Forms/ORDERS_FORM/Blocks/ORDERS/Items/ORDER_DATE : item
node Forms/ORDERS_FORM/Blocks/ORDERS/Items/STATUS : item
node Forms/ORDERS_FORM/Canvases/CANVAS1 : canvas
node Forms/ORDERS_FORM/Lists of Values/LOV1 : lov
node Forms/ORDERS_FORM/Record Groups/RECORD_GROUP1 : recordgroup
node Forms/ORDERS_FORM/Record Groups/RECORD_GROUP1/Column Definitions/CUSTOMER_ID : item
node Forms/ORDERS_FORM/Record Groups/RECORD_GROUP1/Column Definitions/NAME : item
node Forms/ORDERS_FORM/Windows/WINDOW1 : window
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

nc menu:Program
step 'Run' arrow R
> Run Form starts the finished form in its own window, just as a user will see it.
up menu:Program/Run Form
window runtime 0 63 640 397
caption Form Runtime - [ORDERS_FORM]

step 'Run'
> The cursor starts in the first item of the control block. The control block has no base table: its items only hold what the user types or picks.
click run:CUSTOMER_ID

step 'Run/Customer LOV' arrow L
> The button beside the customer id opens the list of values, so the user picks a customer instead of typing the id.
click run:LOV_BUTTON
show lovlist 180 120
rows Customers = 1004 Brightwater Goods | 1011 Alpine Outfitters | 1017 Harbor Supplies | 1023 Meadow Farms | 1030 Summit Tools
click row:Customers/1017 Harbor Supplies
click btn:OK
hide
set run:CUSTOMER_ID = 1017
set run:CUSTOMER_NAME = Harbor Supplies

step 'Run/Find Button' arrow R
> The list of values returned the id and the name of the customer. Find now queries the orders of that customer into the second block.
click run:FIND
set run:ORDER_ID = 5102
set run:ORDER_DATE = 03-MAR-2026
set run:AMOUNT = 420.00
set run:ORDER_ID_2 = 5187
set run:ORDER_DATE_2 = 21-APR-2026
set run:AMOUNT_2 = 630.00
set run:ORDER_ID_3 = 5240
set run:ORDER_DATE_3 = 09-JUN-2026
set run:AMOUNT_3 = 200.00
set run:TOTAL = 1,250.00
click run:ORDER_ID_2
click run:AMOUNT_2

step 'Run/Total Field' at 215 170 arrow NE
> The total adds up the amounts of the orders shown and keeps two decimals, as its format mask asks.
click run:TOTAL
click run:CUSTOMER_ID
click run:FIND
click run:ORDER_DATE

step 'Run'
> Closing the running form ends the course. You can now build a form, its blocks, items, lists and buttons, and run it. Well done.
nc win:runtime.close +1,0
close runtime
caption Form Designer - [ORDERS_FORM]
up win:layout.close +1,0
