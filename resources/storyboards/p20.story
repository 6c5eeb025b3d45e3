# Lesson 20, part 1: Create Form with Control Block
# A new form module named ORDERS_FORM, the connection to the database, the
# title of its window and a first canvas shown in that window.
part p20

caption Form Designer - [ORDERS]
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
expand Forms
select Forms/ORDERS
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
item IS_PAID check 410 160 90 16 Paid
item ORDER_STATUS list 400 28 120 18
item SHIP_VIA_PROMPT text 320 190 80 16 Ship via
item SHIP_VIA textitem 410 188 50 18
item BUYER_PROMPT text 320 220 80 16 Buyer
item BUYER textitem 410 218 120 18
status Ready

step 'Create Form with Control Block' at 147 150 346 190
> This lesson builds a whole form: a control block with a customer list, a Find button and a total, and an ORDERS block below. First, File, New, Form.
nc menu:File
up menu:File/New
click menu:File/New/Form
node Forms/MODULE1 : module
node Forms/MODULE1/Windows/WINDOW1 : window
select Forms/MODULE1
caption Form Designer - [MODULE1]

step 'New Form' arrow L
> The empty module MODULE1 appears under Forms. Its groups are still empty, except Windows: every new form gets a window.
click node+:Forms/MODULE1
nc menu:Tools
up menu:Tools/Property Palette
window palette 300 63 340 397
click prop:Name

step 'New Form' arrow R
> A name tells you later what the module is for. Click the value of Name and type orders_form; the designer stores names of objects in capitals.
click val:Name
type orders_form

step 'New Form'
> The navigator will show the new name, ORDERS_FORM. Next the designer connects: the second block reads ORDERS and the list reads the customers.
down node:Forms/MODULE1
rename Forms/MODULE1 = ORDERS_FORM
select Forms/ORDERS_FORM
prop Name = ORDERS_FORM
caption Form Designer - [ORDERS_FORM]
focus
up node:Forms/ORDERS_FORM
again
click prop:Console Window
click prop:Coordinate System

nc menu:File
up menu:File/Connect...
show connect
set Database = shop

click fld:User Name

step 'Connect to database' at 215 225 arrow R
> Type the user name and the password of the schema that owns the tables. The Database field already names the shop database, so it stays as it is.
type demo
click fld:Password
type demo
click fld:Database
click btn:Connect
hide
status Connected to shop as demo

step 'Connect to database' arrow D 399 97
> The status bar confirms that the designer is now connected. The connection lasts until you disconnect or leave the designer.
click status -200,+4

step 'Window' arrow L
> A form is shown in a window. The new module already holds WINDOW1; selecting it puts the properties of the window in the Property Palette.
click node+:Forms/ORDERS_FORM/Windows
click node:Forms/ORDERS_FORM/Windows/WINDOW1
click prop:Window Style
click prop:Modal
click prop:X Position
click prop:Y Position
click prop:Title

step 'Window' at 185 175 arrow R
> Title is the text in the title bar of the window while the form runs. Type Order List so that the user knows which form is open.
click val:Title
type Order List
click prop:Width

step 'Window' at 215 125
> Width and Height give the size of the window; the Allowed rows below decide whether the user may resize, maximize, minimize or move it.
click prop:Height
click prop:Resize Allowed
click prop:Maximize Allowed
click prop:Minimize Allowed
click prop:Move Allowed
click prop:Visible
click node:Forms/ORDERS_FORM/Canvases

step 'Canvas' arrow SE
> Items are drawn on a canvas, and a canvas is seen through a window. With the Canvases node selected, the Create button adds a new canvas to the module.
click nav:Create
node Forms/ORDERS_FORM/Canvases/CANVAS1 : canvas
expand Forms/ORDERS_FORM/Canvases
select Forms/ORDERS_FORM/Canvases/CANVAS1
click prop:Canvas Type
click prop:Displayed
click prop:Viewport X Position
click prop:Bevel
click prop:Raise on Entry
click prop:Width

step 'Canvas' at 20 300
> Width and Height give the canvas its size. Its Window property names WINDOW1, the window that shows it, and type Content means it fills that window.
click prop:Height

click val:Window
click prop:Name
click node:Forms/ORDERS_FORM/Windows/WINDOW1
click prop:Primary Canvas
down val:Primary Canvas
droplist CANVAS1 = CANVAS1
up val:Primary Canvas
prop Primary Canvas = CANVAS1
droplist
click node:Forms/ORDERS_FORM/Canvases/CANVAS1

step 'Canvas'
> The Layout Editor opens the empty canvas. The next parts draw the control block and the orders block on it; saving the module now keeps the work done so far.
nc menu:Tools
up menu:Tools/Layout Editor
window layout 0 63 640 397
canvas CANVAS1 540 340
remove ORDER_ID_PROMPT
remove ORDER_ID
remove ORDER_DATE_PROMPT
remove ORDER_DATE
remove CUSTOMER_ID_PROMPT
remove CUSTOMER_ID
remove BOILERPLATE1
remove BOILERPLATE2
remove TOTAL_DUE
remove DISC_PCT_PROMPT
remove DISC_PCT
remove TAX_PCT_PROMPT
remove TAX_PCT
remove NET_TOTAL_PROMPT
remove NET_TOTAL
remove PUSH_BUTTON1
remove RADIO_BUTTON1
remove RADIO_BUTTON2
remove RADIO_BUTTON3
remove PAY_FRAME
remove IS_PAID
remove ORDER_STATUS
remove SHIP_VIA_PROMPT
remove SHIP_VIA
remove BUYER_PROMPT
remove BUYER
click tool:Select
click canvas +60,+40
click win:navigator
click node:Forms/ORDERS_FORM/Canvases/CANVAS1
nc menu:File
up menu:File/Save
