# Lesson 20, part 3: Customer LOV
# A record group reads the customers, a list of values shows it and copies
# the chosen customer into the control block, and a small button beside the
# customer id opens the list.
part p20b

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
node Forms/ORDERS_FORM/Blocks/CONTROL : block
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/CUSTOMER_ID : item
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/CUSTOMER_NAME : item
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/TOTAL : item
node Forms/ORDERS_FORM/Windows/WINDOW1 : window
node Forms/ORDERS_FORM/Canvases/CANVAS1 : canvas
expand Forms
expand Forms/ORDERS_FORM
expand Forms/ORDERS_FORM/Blocks
select Forms/ORDERS_FORM
canvas CANVAS1 540 340
item CUSTOMER_ID textitem 90 28 72 18
item CUSTOMER_NAME textitem 192 28 170 18
item TOTAL textitem 192 256 90 18
status Connected to shop as demo

click node:Forms/ORDERS_FORM/Record Groups

click nav:Create
show newrecordgroup
click opt:Data Retrieved by Query
click fld:Query Text
set Query Text = SELECT customer_id, name FROM customers ORDER BY name

click fld:Query Text
click btn:OK
hide
node Forms/ORDERS_FORM/Record Groups/RECORD_GROUP1 : recordgroup
node Forms/ORDERS_FORM/Record Groups/RECORD_GROUP1/Column Definitions/CUSTOMER_ID : item
node Forms/ORDERS_FORM/Record Groups/RECORD_GROUP1/Column Definitions/NAME : item
expand Forms/ORDERS_FORM/Record Groups
select Forms/ORDERS_FORM/Record Groups/RECORD_GROUP1
prop Record Group Type = Query
prop Record Group Query = SELECT customer_id, name FROM customers ORDER BY name
click node+:Forms/ORDERS_FORM/Record Groups/RECORD_GROUP1
click node+:Forms/ORDERS_FORM/Record Groups/RECORD_GROUP1/Column Definitions
step 'Customer LOV' arrow R
> Create made RECORD_GROUP1 from the query in Query Text, SELECT customer_id, name FROM customers. Its two columns are listed under Column Definitions.
click prop:Record Group Type
click prop:Record Group Query
click prop:Record Group Fetch Size
click node+:Forms/ORDERS_FORM/Record Groups/RECORD_GROUP1
click node:Forms/ORDERS_FORM/Lists of Values

click nav:Create
show newlov
click opt:Build a new LOV manually
click btn:OK
hide
node Forms/ORDERS_FORM/Lists of Values/LOV1 : lov
expand Forms/ORDERS_FORM/Lists of Values
select Forms/ORDERS_FORM/Lists of Values/LOV1
click node:Forms/ORDERS_FORM/Lists of Values/LOV1

click val:Title
step 'Customer LOV'
> With Lists of Values selected, Create built LOV1 by hand. Title is the caption of the list window the user sees: type Customers, then choose RECORD_GROUP1 in Record Group.
type Customers
down val:Record Group
droplist RECORD_GROUP1 = RECORD_GROUP1
up val:Record Group
prop Record Group = RECORD_GROUP1
droplist
click prop:Filter Before Display
click prop:Automatic Refresh
click prop:Automatic Display
click prop:Automatic Select
step 'Customer LOV' at 185 175 arrow R
> Automatic Select set to Yes returns a lone row at once, without showing the list; Automatic Position set to Yes opens the list window beside the item.
down val:Automatic Select
droplist Yes | No = Yes
up val:Automatic Select
prop Automatic Select = Yes
droplist
click prop:Automatic Position
down val:Automatic Position
droplist Yes | No = Yes
up val:Automatic Position
prop Automatic Position = Yes
droplist
click val:Column Mapping Properties
show columnmapping
rows Column Names = CUSTOMER_ID | NAME
click row:Column Names/CUSTOMER_ID
set Display Width = 80
set Column Title = CUSTOMER_ID

click fld:Return Item
type control.
step 'Customer LOV/Column Mapping'
> Return Item names the item that receives the chosen value: the block CONTROL, a point, then the item customer_id. A width of 60 and the title ID keep the column narrow.
type customer_id
click fld:Display Width
type 60
click fld:Column Title
type ID
down row:Column Names/NAME
step 'Customer LOV/Column Mapping' at 215 190 arrow D
> The NAME column returns the customer name into CONTROL.CUSTOMER_NAME, picked with Browse instead of typed. It is wider, 150, and its title becomes Name.
up row:Column Names/NAME
set Return Item =
set Display Width = 80
set Column Title = NAME

click btn:Browse...
set Return Item = CONTROL.CUSTOMER_NAME
click fld:Display Width
type 150
click fld:Column Title
type Name
click row:Column Names/CUSTOMER_ID
set Return Item = CONTROL.CUSTOMER_ID
set Display Width = 60
set Column Title = ID
click row:Column Names/NAME
set Return Item = CONTROL.CUSTOMER_NAME
set Display Width = 150
set Column Title = Name
click btn:OK
hide
prop Column Mapping Properties = CUSTOMER_ID, NAME
prop Return Items = CONTROL.CUSTOMER_ID, CONTROL.CUSTOMER_NAME
step 'Customer LOV/Column Mapping' at 215 125 arrow R
> Return Items now lists the two items that receive the chosen row. Automatic Skip, the place and the size of the list window keep their values.
click prop:Return Items
click prop:Automatic Skip
click prop:X Position
click prop:Y Position
click prop:Width
click prop:Height
nc menu:Tools
up menu:Tools/Layout Editor
window layout 0 63 640 397
front layout
click canvas +100,+80

click tool:Button
drag canvas@164,28 => canvas@186,46
item PUSH_BUTTON1 button 164 28 22 18
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/PUSH_BUTTON1 : button
selitem PUSH_BUTTON1
step 'Customer LOV/LOV Button' arrow L
> The Button tool drew a small push button right beside the customer id, inside the control block. The Select tool picks it so that its properties can be set.
click tool:Select
click item:CUSTOMER_ID
click item:PUSH_BUTTON1
nc menu:Tools
up menu:Tools/Property Palette
window palette 330 63 310 397
front palette
select Forms/ORDERS_FORM/Blocks/CONTROL/Items/PUSH_BUTTON1
click val:Name
prop Name = LOV_BUTTON
rename Forms/ORDERS_FORM/Blocks/CONTROL/Items/PUSH_BUTTON1 = LOV_BUTTON
select Forms/ORDERS_FORM/Blocks/CONTROL/Items/LOV_BUTTON
remove PUSH_BUTTON1
item LOV_BUTTON button 164 28 22 18
selitem LOV_BUTTON
click val:Label
type ...
prop Label = ...
remove LOV_BUTTON
item LOV_BUTTON button 164 28 22 18 ...
selitem LOV_BUTTON
click prop:Keyboard Navigable
down val:Keyboard Navigable
droplist Yes | No = No
up val:Keyboard Navigable
prop Keyboard Navigable = No
droplist
down prop:Width
step 'Customer LOV/LOV Button' at 215 110
> The button is named LOV_BUTTON and labelled with three dots, the usual sign for a list. Its On Press trigger goes to the customer id with MOVE_TO and opens LOV1 with OPEN_LIST.
up prop:Width
click win:layout
front layout

nc menu:Program
up menu:Program/Quick Triggers
click menu:Program/Quick Triggers/On Press
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/LOV_BUTTON/Triggers/On Press : trigger
window editor 40 90 560 300
edtitle LOV_BUTTON: On Press
focus ed:text
code line -- Open the list of customers for the customer id
code line MOVE_TO('CONTROL.CUSTOMER_ID');
code line IF NOT OPEN_LIST('LOV1') THEN
code line    SHOW_MESSAGE('No customer was chosen.');
code line END IF;
click ed:text

click ed:Compile
status Compiled successfully
again
click ed:Close
close editor
focus
click item:LOV_BUTTON
click item:CUSTOMER_ID
click item:CUSTOMER_NAME
step 'Customer LOV/LOV Button' arrow NE
> Clicking through the items shows the button beside the customer id. Compile on the Program menu checks the module, Save stores it, and the navigator shows the new trigger.
click item:LOV_BUTTON
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
click node+:Forms/ORDERS_FORM/Blocks/CONTROL/Items
click node+:Forms/ORDERS_FORM/Blocks/CONTROL/Items/LOV_BUTTON
click node+:Forms/ORDERS_FORM/Blocks/CONTROL/Items/LOV_BUTTON/Triggers
click node:Forms/ORDERS_FORM/Blocks/CONTROL/Items/LOV_BUTTON/Triggers/On Press
