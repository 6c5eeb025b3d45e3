# Lesson 20, part 4: Find Button
# A push button FIND in the control block, its name, label and navigation
# properties, and a first On Press trigger that queries the
# orders block.
part p20c

caption Form Designer - [ORDERS_FORM]
window navigator 0 63 300 397
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
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/CUSTOMER_ID : item
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/CUSTOMER_NAME : item
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/TOTAL : item
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/LOV_BUTTON : button
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/LOV_BUTTON/Triggers/On Press : trigger
node Forms/ORDERS_FORM/Lists of Values/LOV1 : lov
node Forms/ORDERS_FORM/Record Groups/RECORD_GROUP1 : recordgroup
node Forms/ORDERS_FORM/Record Groups/RECORD_GROUP1/Column Definitions/CUSTOMER_ID : item
node Forms/ORDERS_FORM/Record Groups/RECORD_GROUP1/Column Definitions/NAME : item
node Forms/ORDERS_FORM/Windows/WINDOW1 : window
node Forms/ORDERS_FORM/Canvases/CANVAS1 : canvas
expand Forms
expand Forms/ORDERS_FORM
expand Forms/ORDERS_FORM/Blocks
select Forms/ORDERS_FORM/Blocks/CONTROL/Items/CUSTOMER_NAME
canvas CANVAS1 540 340
item CUSTOMER_ID textitem 90 28 72 18
item LOV_BUTTON button 164 28 22 18 ...
item CUSTOMER_NAME textitem 192 28 170 18
item TOTAL textitem 192 256 90 18
status Connected to shop as demo

click item:CUSTOMER_NAME
selitem CUSTOMER_NAME

click tool:Button
drag canvas@380,28 => canvas@460,48
item PUSH_BUTTON1 button 380 28 80 20
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/PUSH_BUTTON1 : button
selitem PUSH_BUTTON1
again
click tool:Select
click item:PUSH_BUTTON1
nc menu:Tools
up menu:Tools/Property Palette
window palette 330 63 310 397
front palette
select Forms/ORDERS_FORM/Blocks/CONTROL/Items/PUSH_BUTTON1
prop Width = 60
prop Height = 20
prop X Position = 380
prop Y Position = 28

click val:Name
prop Name = FIND
rename Forms/ORDERS_FORM/Blocks/CONTROL/Items/PUSH_BUTTON1 = FIND
select Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND
remove PUSH_BUTTON1
item FIND button 380 28 80 20
selitem FIND
click val:Label
prop Label = Find
remove FIND
item FIND button 380 28 80 20 Find
selitem FIND
focus
click prop:Item Type
click prop:Iconic
step 'Find Button' at 215 260 arrow R
> The Button tool drew PUSH_BUTTON1 right of the name, and the palette named it FIND and labelled it Find. Default Button stays No, so pressing Enter does not click it.
click prop:Default Button
click prop:Icon Filename
click prop:Displayed
click prop:Enabled

down val:Mouse Navigate
droplist Yes | No = No
up val:Mouse Navigate
prop Mouse Navigate = No
droplist
again
down val:Keyboard Navigable
droplist Yes | No = No
up val:Keyboard Navigable
prop Keyboard Navigable = No
droplist
again
focus
click prop:Width
click prop:Height
click prop:X Position
step 'Find Button' at 20 280
> Mouse Navigate No keeps the cursor in the customer id when Find is clicked; Keyboard Navigable No leaves Find out of the Tab order. Its place and font keep their values.
click prop:Y Position
click prop:Canvas
click prop:Font Name
click prop:Font Size
click prop:Foreground Color
click prop:Background Color
click prop:Tooltip
click val:Tooltip
prop Tooltip = Show the orders of the customer
focus
click win:layout
front layout
click item:FIND
step 'Find Button' arrow NE
> The code of Find goes in an On Press trigger from Quick Triggers. ENTER_BLOCK moves to the ORDERS block and FETCH_ROWS fetches its rows; Compile checks the code.
nc menu:Program
up menu:Program/Quick Triggers
click menu:Program/Quick Triggers/On Press
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND/Triggers/On Press : trigger
window editor 40 90 560 300
edtitle FIND: On Press
focus ed:text
code line -- Query the orders into the second block
code line ENTER_BLOCK('ORDERS');
code line FETCH_ROWS;

click ed:text
click ed:Compile
status Compiled successfully
again
click ed:Close
close editor
focus

click item:CUSTOMER_ID
click item:LOV_BUTTON
click item:CUSTOMER_NAME
click item:FIND
click item:TOTAL
step 'Find Button' arrow L
> The Frame tool draws a frame around the customer line. It groups the control block for the eye and holds no data of its own.
click tool:Frame
drag canvas@10,6 => canvas@510,86
item FRAME1 frame 10 6 500 80
selitem FRAME1
click tool:Select
click item:FRAME1
click canvas +100,+60

nc menu:Program
up menu:Program/Compile
show compiled
click btn:OK
hide
nc menu:File
up menu:File/Save
click win:navigator
front navigator
click node+:Forms/ORDERS_FORM/Blocks/CONTROL
step 'Find Button'
> The module is compiled and saved. The navigator now shows both buttons of CONTROL with their On Press triggers. The next part adds the second block.
click node+:Forms/ORDERS_FORM/Blocks/CONTROL/Items
click node+:Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND
click node+:Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND/Triggers
click node:Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND/Triggers/On Press
click node+:Forms/ORDERS_FORM/Blocks/CONTROL/Items/LOV_BUTTON
click node+:Forms/ORDERS_FORM/Blocks/CONTROL/Items/LOV_BUTTON/Triggers
click node:Forms/ORDERS_FORM/Blocks/CONTROL/Items/LOV_BUTTON/Triggers/On Press
click node:Forms/ORDERS_FORM/Blocks/CONTROL/Items/FIND
click node:Forms/ORDERS_FORM/Blocks/CONTROL/Items/CUSTOMER_ID
click node:Forms/ORDERS_FORM/Blocks/CONTROL/Items/TOTAL
