# Lesson 20, part 8: Run
# The finished form runs: a customer is picked from the list of values, the
# Find button queries that customer's orders and the total adds them up.
part p20f

caption Form Designer - [ORDERS_FORM]
status Connected to shop as demo
window navigator 0 63 250 397
window layout 0 63 640 397
node Forms/ORDERS_FORM : module
canvas CANVAS1 540 340
item CONTROL_FRAME frame 10 6 500 80 Customer
item CUSTOMER_ID_PROMPT text 20 30 60 16 Customer
item CUSTOMER_ID textitem 90 28 70 18
item LOV_BUTTON button 164 28 22 18 ...
item CUSTOMER_NAME textitem 192 28 170 18
item FIND button 380 28 60 20 Find
item ORDERS_FRAME frame 10 96 500 150 Orders
item ORDER_ID_1 textitem 20 120 70 18
item ORDER_DATE_1 textitem 96 120 90 18
item AMOUNT_1 textitem 192 120 90 18
item ORDER_ID_2 textitem 20 142 70 18
item ORDER_DATE_2 textitem 96 142 90 18
item AMOUNT_2 textitem 192 142 90 18
item ORDER_ID_3 textitem 20 164 70 18
item ORDER_DATE_3 textitem 96 164 90 18
item AMOUNT_3 textitem 192 164 90 18
item TOTAL_PROMPT text 140 258 50 16 Total
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
set run:ORDER_ID_1 = 5102
set run:ORDER_DATE_1 = 03-MAR-2026
set run:AMOUNT_1 = 420.00
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
click run:ORDER_DATE_1

step 'Run'
> Closing the running form ends the course. You can now build a form, its blocks, items, lists and buttons, and run it. Well done.
nc win:runtime.close +1,0
close runtime
caption Form Designer - [ORDERS_FORM]
up win:layout.close +1,0
