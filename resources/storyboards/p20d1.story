# Lesson 20, part 6: Orders corresponding with the chosen customer
# The Find button's trigger restricts the ORDERS block to the customer
# chosen in the control block; it is compiled and the module saved.
part p20d1

caption Form Designer - [ORDERS_FORM]
window layout 250 63 390 397
window navigator 0 63 250 397
node Forms/ORDERS_FORM : module
expand Forms
expand Forms/ORDERS_FORM
node Forms/ORDERS_FORM/Blocks/CONTROL : block
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/CUSTOMER_ID : item
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/CUSTOMER_NAME : item
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND : item
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND/Triggers/WHEN-BUTTON-PRESSED : trigger
node Forms/ORDERS_FORM/Blocks/ORDERS : block
expand Forms/ORDERS_FORM/Blocks
expand Forms/ORDERS_FORM/Blocks/CONTROL
expand Forms/ORDERS_FORM/Blocks/CONTROL/Items
select Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND
canvas CANVAS1 540 340
item CUSTOMER_ID textitem 90 20 70 18
item CUSTOMER_NAME textitem 170 20 150 18
item FIND button 90 50 60 20 Find
item ORDER_ID textitem 20 110 60 18
item ORDER_DATE textitem 90 110 80 18
item AMOUNT textitem 180 110 80 18

click node+:Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND
click node+:Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND/Triggers
dclick node:Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND/Triggers/WHEN-BUTTON-PRESSED
window editor 40 100 560 280
edtitle FIND: WHEN-BUTTON-PRESSED
code line -- Show only the orders of the customer chosen above
code line GO_BLOCK('ORDERS');
code line SET_BLOCK_PROPERTY('ORDERS', DEFAULT_WHERE,
code line    'customer_id = :control.customer_id');
code line EXECUTE_QUERY;

step 'Orders of the chosen customer' at 215 300 arrow NE
> The Find button's trigger gives the ORDERS block a WHERE condition on the customer chosen in the control block and queries it, so only that customer's orders appear. Compile it from the Program menu.
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
