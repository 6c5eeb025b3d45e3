# Lesson 17: Static LOVs
# A record group of static values for the shipping methods, its column
# names, an LOV built on it by hand with its column mapping and properties,
# and the LOV tried on the Ship via item of the running ORDERS form.
part p17
starts-elsewhere orders17.fdes is opened: ORDERS as lesson 15 saved it, with a Ship via item added

caption Form Designer - [ORDERS]
node Forms/ORDERS : module
expand Forms
expand Forms/ORDERS
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
node Forms/ORDERS/Canvases/CANVAS1 : canvas
node Forms/ORDERS/Canvases/CANVAS1/Graphics/BOILERPLATE1 : text
node Forms/ORDERS/Windows/WINDOW1 : window
node Forms/ORDERS/Visual Attributes/HIGHLIGHT : attribute
select Forms/ORDERS
window navigator 0 63 300 397
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
status Opened orders17.fdes

step 'Static LOVs'
> An LOV is a window of rows the user opens over an item; picking a row fills the form. The file orders17.fdes is ORDERS of lesson 15 plus a Ship via item, which gets one.
down node:Forms/ORDERS/Record Groups

step 'Creating Record Groups' at 330 200 arrow R
> An LOV always shows the rows of a record group, so the record group comes first. Select the Record Groups node of the ORDERS module.
up node:Forms/ORDERS/Record Groups

step 'Creating Record Groups' at 330 200 arrow D
> The Create button of the navigator adds a new object of the kind that is selected: here, a record group.
click nav:Create
show newrecordgroup

step 'Creating Record Groups' at 140 310 arrow R
> A record group gets its rows either from a query or from values typed in here. The shipping methods never change, so choose Static Values.
click opt:Static Values

step 'Creating Record Groups' at 75 310
> OK opens the editor for the static values.
click btn:OK
hide
show staticvalues

step 'Column Names' at 300 300 arrow R
> The upper list holds the column names of the group. Click it and type the two columns, code and name, each followed by Enter.
click list:Column Names
type code{Enter}name{Enter}
rows Column Names = CODE | NAME

step 'Column Names' at 300 300
> The designer keeps column names in capitals. Select CODE to enter the values of that column.
click row:Column Names/CODE

step 'Creating Record Groups' at 335 300 arrow R
> The lower list shows the values of the selected column. Type 1, 2 and 3, one per line.
click list:Column Values
type 1{Enter}2{Enter}3{Enter}
rows Column Values = 1 | 2 | 3

step 'Creating Record Groups' at 300 300
> Now select NAME.
click row:Column Names/NAME
rows Column Values =

step 'Creating Record Groups' at 335 300 arrow R
> Its list is still empty. Type the names that belong to the codes: Air, Road and Sea.
click list:Column Values
type Air{Enter}Road{Enter}Sea
rows Column Values = Air | Road | Sea
step 'Creating Record Groups' at 300 300
> The values are read across the columns: the first row of the group is 1 and Air, the second 2 and Road, the third 3 and Sea. Both columns must therefore have the same number of values.
click row:Column Values/Air
click row:Column Values/Sea
click row:Column Values/Road

click row:Column Names/CODE
rows Column Values = 1 | 2 | 3
click row:Column Values/2

step 'Creating Record Groups' at 20 20 arrow D
> OK creates the record group.
click btn:OK
hide
node Forms/ORDERS/Record Groups/RECORD_GROUP1 : recordgroup
node Forms/ORDERS/Record Groups/RECORD_GROUP1/Column Definitions/CODE : column
node Forms/ORDERS/Record Groups/RECORD_GROUP1/Column Definitions/NAME : column
expand Forms/ORDERS/Record Groups
select Forms/ORDERS/Record Groups/RECORD_GROUP1
prop Record Group Type = Static

step 'Creating Record Groups' at 330 200 arrow L
> RECORD_GROUP1 appears under Record Groups. Open the Property Palette to look at it.
click node:Forms/ORDERS/Record Groups/RECORD_GROUP1
nc menu:Tools

step 'Creating Record Groups' at 215 240 arrow NW
> Choose Property Palette.
up menu:Tools/Property Palette
window palette 300 63 340 397

step 'Creating Record Groups' at 330 220 arrow L
> Record Group Type is Static: the rows are stored in the form itself and never come from the database.
click prop:Record Group Type

step 'Creating Record Groups' at 330 220 arrow L
> Record Group Query stays empty. Only a group built from a query uses it; the next lesson shows one.
click prop:Record Group Query
click prop:Record Group Fetch Size

step 'Column Names' at 330 220 arrow L
> Column Definitions keeps the definition of each column: its name, its data type and its length, together with the static values.
click prop:Column Definitions

step 'Column Names' at 330 260
> The columns also show in the navigator. Expand All on the Navigator menu opens every node below the record group.
nc menu:Navigator
up menu:Navigator/Expand All
expand Forms/ORDERS/Record Groups/RECORD_GROUP1
expand Forms/ORDERS/Record Groups/RECORD_GROUP1/Column Definitions

step 'Column Names' at 330 260 arrow R
> CODE and NAME are listed under Column Definitions. These names are how the LOV refers to the columns later, in its column mapping.
click node:Forms/ORDERS/Record Groups/RECORD_GROUP1/Column Definitions/CODE
click node:Forms/ORDERS/Record Groups/RECORD_GROUP1/Column Definitions/NAME
click node:Forms/ORDERS/Record Groups/RECORD_GROUP1

step 'Static LOVs' at 330 260 arrow R
> Now the LOV itself. Select the Lists of Values node of the module.
click node:Forms/ORDERS/Lists of Values

step 'Static LOVs' at 330 260 arrow SW
> Press Create again.
click nav:Create
show newlov

step 'Static LOVs' at 215 310
> The LOV Wizard could build the LOV step by step, but here it is built by hand to show every setting. Choose Build a new LOV manually.
click opt:Build a new LOV manually

step 'Static LOVs' at 215 310
> Confirm with OK.
click btn:OK
hide
node Forms/ORDERS/Lists of Values/LOV1 : lov
expand Forms/ORDERS/Lists of Values
select Forms/ORDERS/Lists of Values/LOV1

step 'Properties' at 20 300 arrow R
> LOV1 appears under Lists of Values, and the palette shows its properties.
click node:Forms/ORDERS/Lists of Values/LOV1

step 'Properties' at 20 300 arrow R
> Title is the caption of the LOV window. Click it and type Shipping.
click val:Title
type Shipping{Enter}

step 'Properties' at 20 300 arrow L
> List Type is Record Group: the rows of this LOV come from a record group.
click prop:List Type

step 'Properties' at 20 300 arrow R
> Record Group names that group. Choose RECORD_GROUP1.
down val:Record Group
droplist RECORD_GROUP1 = RECORD_GROUP1
up val:Record Group
prop Record Group = RECORD_GROUP1
droplist

step 'Column Mapping' at 20 300 arrow R
> Column Mapping Properties decides how each column of the group is shown and where its value goes. Click its value to open the LOV Column Mapping dialog.
click val:Column Mapping Properties
show columnmapping
rows Column Names = CODE | NAME
selrow Column Names/CODE
set Display Width = 40
set Column Title = CODE

step 'Column Mapping' at 280 270 346 206
> For the column selected above, Return Item receives its value, Display Width sets its width (0 hides it) and Column Title is printed above it.
click row:Column Names/CODE

step 'Column Mapping' at 430 310 arrow R
> CODE must reach the Ship via item. Browse lists the items of the form; pick SHIP_VIA in the ORDERS block.
click btn:Browse...
show itempicker
rows Items = ORDERS.ORDER_ID | ORDERS.ORDER_DATE | ORDERS.SHIP_VIA
click row:Items/ORDERS.SHIP_VIA
click btn:OK
hide
set Return Item = ORDERS.SHIP_VIA

step 'Column Mapping' at 430 310
> Return Item now reads ORDERS.SHIP_VIA. A width of 40 is plenty for the one-digit codes.
click fld:Display Width

step 'Column Mapping' at 430 310
> Select NAME. It gets no return item: the user reads the name, but only the code is stored with the order.
click row:Column Names/NAME
set Return Item =
set Display Width = 100
set Column Title = NAME

step 'Column Mapping' at 430 130 arrow L
> Column Title is the heading above the column in the LOV window. CODE and NAME are the defaults, taken from the column names.
click fld:Column Title

step 'Column Mapping' at 20 20 arrow D
> OK keeps the mapping.
click btn:OK
hide
prop Column Mapping Properties = CODE, NAME
prop Return Items = ORDERS.SHIP_VIA
click prop:Column Mapping Properties

step 'Properties' at 20 300 arrow L
> Filter Before Display set to Yes would first ask the user for a search pattern. Three rows need no filter.
click prop:Filter Before Display

step 'Properties' at 20 300
> Automatic Display set to Yes opens the LOV by itself as soon as the cursor enters the item. Set it to Yes.
down val:Automatic Display
droplist Yes | No = Yes
up val:Automatic Display
prop Automatic Display = Yes
droplist

step 'Properties' at 20 300 arrow U
> Automatic Refresh re-reads the record group each time the LOV opens. For a static group that has no effect, since its rows are always the same.
click prop:Automatic Refresh

step 'Properties' at 20 300 arrow U
> Automatic Select set to Yes picks the only row at once when a filter leaves exactly one.
click prop:Automatic Select

step 'Properties' at 20 300 arrow U
> Automatic Skip moves the cursor on to the next item after a row has been picked.
click prop:Automatic Skip

step 'Properties' at 20 300 arrow SE
> Automatic Position opens the LOV next to the current item. Automatic Column Width widens a column whose title is longer than its Display Width.
click prop:Automatic Position
click prop:Automatic Column Width

step 'Properties' at 20 300
> Return Items, filled in by the column mapping, shows where the values of a picked row go: ORDERS.SHIP_VIA.
click prop:Return Items

step 'Properties' at 20 300 arrow D
> X Position, Y Position, Width and Height place and size the LOV window when it is not positioned automatically.
click prop:X Position
click prop:Y Position
click prop:Width
click prop:Height
click prop:Title

step 'Properties' at 215 177 181 95
> The LOV is ready. Compile the form to check it before running it.
nc menu:Program
up menu:Program/Compile
show compiled

step 'Properties' at 215 300
> The module compiled without errors. Close the message and run the form.
click btn:OK
hide
nc menu:Program
up menu:Program/Run Form
window runtime 40 90 560 300
set run:ORDER_STATUS = Pending
click run:ORDER_DATE

step 'Static LOVs' at 185 310 arrow R
> Click in Ship via. Because Automatic Display is Yes, the LOV opens straight away.
click run:SHIP_VIA
item LOV_BOX window 200 80 150 118 Shipping
item LOV_HEAD text 206 104 138 16 CODE   NAME
item LOV_AIR text 206 120 138 16 1      Air
item LOV_ROAD text 206 136 138 16 2      Road
item LOV_SEA text 206 152 138 16 3      Sea
again

step 'Static LOVs' at 215 310 arrow NW
> The window carries the title Shipping and the two column titles, with the three rows of the record group below. Pick Road.
click run:LOV_ROAD
again
remove LOV_BOX
remove LOV_HEAD
remove LOV_AIR
remove LOV_ROAD
remove LOV_SEA
set run:SHIP_VIA = 2

step 'Static LOVs' at 215 240
> Ship via holds 2, the code of Road. Close the form and save. Recap: a static record group and its LOV. Next lesson: LOVs based on a query.
click win:runtime.close
close runtime
click node:Forms/ORDERS/Lists of Values/LOV1
nc menu:File
up menu:File/Save
