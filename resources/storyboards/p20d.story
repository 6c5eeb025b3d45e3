# Lesson 20, part 5: Second block - base table
# The Data Block Wizard builds the ORDERS block on the ORDERS table and the
# Layout Wizard lays out three of its items in a tabular frame below the
# control block.
part p20d

caption Form Designer - [ORDERS_FORM]
window navigator 0 63 300 397
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
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/CUSTOMER_ID : item
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/CUSTOMER_NAME : item
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/TOTAL : item
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/LOV_BUTTON : button
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/LOV_BUTTON/Triggers/On Press : trigger
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND : button
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND/Triggers/On Press : trigger
node Forms/ORDERS_FORM/Lists of Values/LOV1 : lov
node Forms/ORDERS_FORM/Record Groups/RECORD_GROUP1 : recordgroup
node Forms/ORDERS_FORM/Record Groups/RECORD_GROUP1/Column Definitions/CUSTOMER_ID : item
node Forms/ORDERS_FORM/Record Groups/RECORD_GROUP1/Column Definitions/NAME : item
node Forms/ORDERS_FORM/Windows/WINDOW1 : window
node Forms/ORDERS_FORM/Canvases/CANVAS1 : canvas
expand Forms
expand Forms/ORDERS_FORM
expand Forms/ORDERS_FORM/Blocks
select Forms/ORDERS_FORM/Blocks/CONTROL
canvas CANVAS1 540 340
item FRAME1 frame 10 6 500 80
item CUSTOMER_ID textitem 90 28 72 18
item LOV_BUTTON button 164 28 22 18 ...
item CUSTOMER_NAME textitem 192 28 170 18
item FIND button 380 28 80 20 Find
item TOTAL textitem 192 256 90 18
status Connected to shop as demo

click node:Forms/ORDERS_FORM/Blocks

step 'Second block - base table' arrow NE
> The second block shows rows of a real table, so this time the Data Block Wizard builds it: it reads the columns of the table through the connection made at the start of the lesson. The wizard is on the Tools menu.
nc menu:Tools
click menu:Tools/Data Block Wizard...
show blockwelcome
click btn:Next >
swap blocktype
click btn:Next >
swap blocktable
click btn:Browse...
set Table or View = ORDERS
rows Available Columns = ORDER_ID | CUSTOMER_ID | ORDER_DATE | AMOUNT | STATUS

step 'Second block - base table' at 215 275 arrow R
> ORDERS is the base table of the block: the form will query, insert, update and delete its rows. The double arrow moves every column into the block, including CUSTOMER_ID, which ties each order to its customer.
click btn:>>
rows Available Columns =
rows Database Items = ORDER_ID | CUSTOMER_ID | ORDER_DATE | AMOUNT | STATUS
check Enforce data integrity
click btn:Next >
swap blockfinish
click opt:Create the data block, then call the Layout Wizard
click btn:Finish
node Forms/ORDERS_FORM/Blocks/ORDERS : block
node Forms/ORDERS_FORM/Blocks/ORDERS/Items/ORDER_ID : item
node Forms/ORDERS_FORM/Blocks/ORDERS/Items/CUSTOMER_ID : item
node Forms/ORDERS_FORM/Blocks/ORDERS/Items/ORDER_DATE : item
node Forms/ORDERS_FORM/Blocks/ORDERS/Items/AMOUNT : item
node Forms/ORDERS_FORM/Blocks/ORDERS/Items/STATUS : item
select Forms/ORDERS_FORM/Blocks/ORDERS
swap layoutwelcome
click btn:Next >
swap layoutcanvas
set Canvas = CANVAS1
set Type = Content
click btn:Next >
swap layoutitems
set Data Block = ORDERS
rows Available Items = ORDER_ID | CUSTOMER_ID | ORDER_DATE | AMOUNT | STATUS

click row:Available Items/ORDER_ID
step 'Second block - base table' at 220 230
> The Layout Wizard places the ORDERS block below the control block. Only the order id, the date and the amount are displayed.
click btn:>
rows Available Items = CUSTOMER_ID | ORDER_DATE | AMOUNT | STATUS
rows Database Items = ORDER_ID
rows Displayed Items = ORDER_ID
click row:Available Items/ORDER_DATE
click btn:>
rows Available Items = CUSTOMER_ID | AMOUNT | STATUS
rows Displayed Items = ORDER_ID | ORDER_DATE
click row:Available Items/AMOUNT
click btn:>
rows Available Items = CUSTOMER_ID | STATUS
rows Displayed Items = ORDER_ID | ORDER_DATE | AMOUNT
click btn:Next >
swap layoutprompts
rows Items = Order Id | Order Date | Amount
click btn:Next >
swap layoutstyle

step 'Second block - base table' at 245 175 arrow L
> Tabular puts the orders one below the other, a row for each, which suits a customer with several orders. The frame is titled Orders and shows three records at a time, with a scroll bar for the rest.
click opt:Tabular
click btn:Next >
swap layoutrows
click fld:Frame Title
set Frame Title = Orders
click fld:Records Displayed
set Records Displayed = 3
set Distance Between Records = 4
check Display Scrollbar
click btn:Next >
swap layoutfinish
click btn:Finish
hide
window layout 0 63 640 397
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
selitem ORDER_ID

step 'Second block - base table' at 300 300
> The ORDERS block stands in its frame, three rows deep. Unlike CONTROL it is based on a table: Database Data Block is Yes.
nc menu:Tools
up menu:Tools/Property Palette
window palette 330 63 310 397
front palette
prop Database Data Block = Yes
prop Query Data Source Name = ORDERS
prop Number of Records Displayed = 3
click prop:Database Data Block
click prop:Query Data Source Name
nc menu:File
up menu:File/Save
nc menu:Window
up menu:Window/1 Object Navigator
front navigator
