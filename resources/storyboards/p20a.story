# Lesson 20, part 2: First block - no base table
# The control block CONTROL is built by hand, marked as a block that no
# table stores, and given three text items: the customer id, the customer
# name and the total of the orders.
part p20a

caption Form Designer - [ORDERS_FORM]
window navigator 0 63 300 397
window palette 300 63 340 397
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
node Forms/ORDERS_FORM/Windows/WINDOW1 : window
node Forms/ORDERS_FORM/Canvases/CANVAS1 : canvas
expand Forms
expand Forms/ORDERS_FORM
select Forms/ORDERS_FORM
prop Name = ORDERS_FORM
canvas CANVAS1 540 340
status Connected to shop as demo

click node:Forms/ORDERS_FORM/Blocks

click nav:Create
show newblock
click opt:Build a new data block manually
click btn:OK
hide
node Forms/ORDERS_FORM/Blocks/BLOCK1 : block
expand Forms/ORDERS_FORM/Blocks
select Forms/ORDERS_FORM/Blocks/BLOCK1
click node:Forms/ORDERS_FORM/Blocks/BLOCK1
scroll palette 0
click val:Name
prop Name = CONTROL
rename Forms/ORDERS_FORM/Blocks/BLOCK1 = CONTROL
select Forms/ORDERS_FORM/Blocks/CONTROL
focus
click prop:Number of Records Displayed
click prop:Single Record
step 'First block - no base table -' at 185 175 arrow R
> Create in the navigator made BLOCK1 by hand and its Name became CONTROL. Single Record Yes gives it one record; Database Data Block No then frees it from any table.
down val:Single Record
droplist Yes | No = Yes
up val:Single Record
prop Single Record = Yes
droplist

down val:Database Data Block
droplist Yes | No = No
up val:Database Data Block
prop Database Data Block = No
droplist
down val:Query Data Source Type
droplist Table | None | Procedure = None
up val:Query Data Source Type
prop Query Data Source Type = None
droplist
scroll palette 6
click prop:Query Data Source Name
click prop:Insert Allowed
click prop:Update Allowed
click prop:Delete Allowed
nc menu:Tools
step 'First block - no base table -' arrow L
> A block without a table is never queried, and no rows are inserted, updated or deleted for it. Choose Layout Editor: the items of CONTROL are drawn on CANVAS1.
up menu:Tools/Layout Editor
window layout 0 63 640 397
front layout
click canvas

click tool:Text Item
drag canvas@90,28 => canvas@162,46
item TEXT_ITEM1 textitem 90 28 72 18
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/TEXT_ITEM1 : item
selitem TEXT_ITEM1
click tool:Text Item
drag canvas@192,28 => canvas@362,46
item TEXT_ITEM2 textitem 192 28 170 18
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/TEXT_ITEM2 : item
selitem TEXT_ITEM2
click tool:Text Item
drag canvas@192,256 => canvas@282,274
item TEXT_ITEM3 textitem 192 256 90 18
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/TEXT_ITEM3 : item
selitem TEXT_ITEM3
click tool:Select
step 'First block - no base table -' arrow NE
> The Text Item tool drew three items in CONTROL: the customer id, the customer name beside it and the total lower down. The Property Palette names them.
nc menu:Tools
click menu:Tools/Property Palette
window palette 330 63 310 397
scroll palette 0
click item:TEXT_ITEM1
select Forms/ORDERS_FORM/Blocks/CONTROL/Items/TEXT_ITEM1

scroll palette 0
click val:Name
prop Name = CUSTOMER_ID
rename Forms/ORDERS_FORM/Blocks/CONTROL/Items/TEXT_ITEM1 = CUSTOMER_ID
remove TEXT_ITEM1
item CUSTOMER_ID textitem 90 28 72 18
selitem CUSTOMER_ID
select Forms/ORDERS_FORM/Blocks/CONTROL/Items/CUSTOMER_ID
scroll palette 8
click prop:Data Type
down val:Database Item
droplist Yes | No = No
up val:Database Item
prop Database Item = No
droplist
click item:TEXT_ITEM2
select Forms/ORDERS_FORM/Blocks/CONTROL/Items/TEXT_ITEM2
scroll palette 0
click val:Name
prop Name = CUSTOMER_NAME
rename Forms/ORDERS_FORM/Blocks/CONTROL/Items/TEXT_ITEM2 = CUSTOMER_NAME
remove TEXT_ITEM2
item CUSTOMER_NAME textitem 192 28 170 18
selitem CUSTOMER_NAME
select Forms/ORDERS_FORM/Blocks/CONTROL/Items/CUSTOMER_NAME
scroll palette 8
down val:Database Item
droplist Yes | No = No
up val:Database Item
prop Database Item = No
droplist
step 'First block - no base table -' at 20 290
> CUSTOMER_ID and CUSTOMER_NAME now have Database Item No: no column lies behind the items of a control block. The third item becomes TOTAL the same way, and the module is saved.
click item:TEXT_ITEM3
select Forms/ORDERS_FORM/Blocks/CONTROL/Items/TEXT_ITEM3
scroll palette 0
click val:Name
prop Name = TOTAL
rename Forms/ORDERS_FORM/Blocks/CONTROL/Items/TEXT_ITEM3 = TOTAL
remove TEXT_ITEM3
item TOTAL textitem 192 256 90 18
selitem TOTAL
select Forms/ORDERS_FORM/Blocks/CONTROL/Items/TOTAL
scroll palette 8
down val:Database Item
droplist Yes | No = No
up val:Database Item
prop Database Item = No
droplist
focus
click prop:Required
nc menu:File
up menu:File/Save
nc menu:Window
up menu:Window/1 Object Navigator
front navigator
click node+:Forms/ORDERS_FORM/Blocks/CONTROL
click node+:Forms/ORDERS_FORM/Blocks/CONTROL/Items
