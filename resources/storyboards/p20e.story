# Lesson 20, part 7: Total Field to display with 2 decimals always
# The TOTAL item of the control block shows the sum of the customer's
# orders; its format mask keeps two decimals on screen.
part p20e

caption Form Designer - [ORDERS_FORM]
status Connected to shop as demo
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
select Forms/ORDERS_FORM/Blocks/CONTROL/Items/TOTAL
prop Data Type = Number
prop Format Mask = 999,990.00
prop Maximum Length = 10
prop Database Item = No
prop Width = 80
window layout 0 63 640 397
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

click item:TOTAL
nc menu:Tools
up menu:Tools/Property Palette
window palette 330 63 310 397
scroll palette 8
click prop:Data Type

step 'Total Field' at 20 300 arrow NE
> The format mask 999,990.00 always shows two decimals. Data Type Number and Database Item No mark a computed value that no column stores.
click prop:Format Mask
click prop:Maximum Length
click prop:Database Item
click win:layout
click item:AMOUNT
click item:TOTAL
nc menu:File
up menu:File/Save
