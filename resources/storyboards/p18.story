# Lesson 18: LOVs Based on Query
# A record group whose rows come from a query on the BUYER_V view, its
# column names, an LOV on it with its column mapping and the properties
# that matter for queried rows, tried on the Buyer item of the ORDERS form.
part p18
starts-elsewhere orders18.fdes is opened: ORDERS as lesson 17 saved it, with a Buyer item added

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
node Forms/ORDERS/Blocks/ORDERS/Items/BUYER : item
node Forms/ORDERS/Canvases/CANVAS1 : canvas
node Forms/ORDERS/Canvases/CANVAS1/Graphics/BOILERPLATE1 : text
node Forms/ORDERS/Windows/WINDOW1 : window
node Forms/ORDERS/Lists of Values/LOV1 : lov
node Forms/ORDERS/Record Groups/RECORD_GROUP1 : recordgroup
node Forms/ORDERS/Record Groups/RECORD_GROUP1/Column Definitions/CODE : column
node Forms/ORDERS/Record Groups/RECORD_GROUP1/Column Definitions/NAME : column
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
item BUYER_PROMPT text 320 220 80 16 Buyer
item BUYER textitem 410 218 120 18
status Opened orders18.fdes

step 'LOVs Based on Query'
> An LOV based on a query reads its rows from the database each time. The file orders18.fdes is ORDERS of lesson 17 plus a Buyer item, which gets one.
down node:Forms/ORDERS/Record Groups
up node:Forms/ORDERS/Record Groups

step 'Record Groups' at 330 200 arrow D
> ...and press Create in the navigator's toolbar.
click nav:Create
show newrecordgroup

step 'Record Groups' at 140 310 arrow R
> This time choose Data Retrieved by Query: the rows will come from a SELECT statement.
click opt:Data Retrieved by Query

step 'Record Groups' at 140 310 arrow R
> Click in Query Text and type the query that reads the buyers' names.
click fld:Query Text
type select name{Space}

step 'Record Groups' at 140 310 arrow R
> The select list names the column the group will have, NAME. The FROM part names BUYER_V, a view that lists the buyers in alphabetical order.
type from buyer_v
click fld:Query Text

step 'Record Groups' at 75 310 arrow L
> OK creates the record group. The designer reads the select list of the query to learn which columns the group has.
click btn:OK
hide
node Forms/ORDERS/Record Groups/RECORD_GROUP2 : recordgroup
node Forms/ORDERS/Record Groups/RECORD_GROUP2/Column Definitions/NAME : column
expand Forms/ORDERS/Record Groups
select Forms/ORDERS/Record Groups/RECORD_GROUP2
prop Record Group Type = Query
prop Record Group Query = select name from buyer_v

step 'Record Groups' at 330 200 arrow L
> RECORD_GROUP2 is listed under Record Groups. Open its properties from the Tools menu.
click node:Forms/ORDERS/Record Groups/RECORD_GROUP2
nc menu:Tools
up menu:Tools/Property Palette
window palette 300 63 340 397

step 'Record Groups' at 330 220
> Record Group Type is Query.
click prop:Record Group Type

step 'Record Groups' at 330 220 arrow R
> Record Group Query holds the statement just typed. It can be changed here at any time; the columns of the group follow its select list.
click val:Record Group Query
click prop:Record Group Query

step 'Record Groups' at 330 220 arrow L
> Record Group Fetch Size is the number of rows fetched from the database in one trip. The default of 20 suits most lists.
click prop:Record Group Fetch Size
click prop:Name
click prop:Comment

step 'Column Names' at 330 220 arrow L
> Column Definitions was filled from the query: one column, NAME, with the data type and length of the NAME column of the view.
click prop:Column Definitions
nc menu:Navigator
up menu:Navigator/Expand All
expand Forms/ORDERS/Record Groups/RECORD_GROUP2
expand Forms/ORDERS/Record Groups/RECORD_GROUP2/Column Definitions

step 'Column Names' at 330 260 arrow R
> In the navigator, NAME sits under Column Definitions. In a query group the column names come from the select list, so an alias written after a column in the query would become the column name instead.
click node:Forms/ORDERS/Record Groups/RECORD_GROUP2/Column Definitions/NAME
click node:Forms/ORDERS/Record Groups/RECORD_GROUP2/Column Definitions
click node:Forms/ORDERS/Record Groups/RECORD_GROUP2

step 'LOVs Based on Query' at 330 260
> Now the LOV. Select Lists of Values and press Create.
click node:Forms/ORDERS/Lists of Values
click nav:Create
show newlov

step 'LOVs Based on Query' at 215 310
> Build the LOV manually once more...
click opt:Build a new LOV manually

step 'LOVs Based on Query' at 215 310
> ...and confirm with OK.
click btn:OK
hide
node Forms/ORDERS/Lists of Values/LOV2 : lov
expand Forms/ORDERS/Lists of Values
select Forms/ORDERS/Lists of Values/LOV2

step 'Properties' at 20 300 arrow R
> LOV2 is created and the palette shows it. Click Title and type Buyers A-Z, the caption of its window.
click val:Title
type Buyers A-Z
click prop:Title

step 'Properties' at 20 300 arrow R
> Record Group names the group that supplies the rows: choose RECORD_GROUP2.
down val:Record Group
droplist RECORD_GROUP1 | RECORD_GROUP2 = RECORD_GROUP2
up val:Record Group
prop Record Group = RECORD_GROUP2
droplist
click prop:List Type

step 'Column Mapping' at 20 300
> Open Column Mapping Properties to connect the column to the form.
click val:Column Mapping Properties
show columnmapping
rows Column Names = NAME
selrow Column Names/NAME
set Display Width = 100
set Column Title = NAME

step 'Column Mapping' at 430 310
> The dialog lists NAME, the only column of the group. Its value belongs in the Buyer item, so use Browse to choose ORDERS.BUYER as its return item.
click btn:Browse...
set Return Item = ORDERS.BUYER
click row:Column Names/NAME
click fld:Return Item

step 'Column Mapping' at 430 310
> Names can be long: make the column wider than the default so that they are not cut off in the window.
click fld:Display Width
set Display Width = 180

step 'Column Mapping' at 430 310
> Column Title stays NAME, the heading the user sees above the list.
click fld:Column Title

step 'Column Mapping' at 20 20 arrow D
> OK keeps the column mapping.
click btn:OK
hide
prop Column Mapping Properties = NAME
prop Return Items = ORDERS.BUYER

step 'Properties' at 20 300 arrow L
> Automatic Refresh Yes runs the query again each time the LOV opens, so new buyers appear at once; No keeps the rows of the first time.
click prop:Automatic Refresh

step 'Properties' at 20 300
> Filter Before Display suits long lists. Set to Yes, it first asks the user for the start of a name and fetches only the rows that match.
down val:Filter Before Display
droplist Yes | No = Yes
up val:Filter Before Display
prop Filter Before Display = Yes
droplist

step 'Properties' at 20 300 arrow U
> Set Automatic Display to Yes as well, so that the LOV appears as soon as the cursor enters the Buyer item.
down val:Automatic Display
droplist Yes | No = Yes
up val:Automatic Display
prop Automatic Display = Yes
droplist

step 'Properties' at 20 300 arrow U
> Automatic Select set to Yes returns the only row without showing the list when the filter leaves just one buyer.
down val:Automatic Select
droplist Yes | No = Yes
up val:Automatic Select
prop Automatic Select = Yes
droplist
click prop:Automatic Skip
click prop:Automatic Position
click prop:Automatic Column Width

step 'Properties' at 20 300 arrow D
> Return Items shows ORDERS.BUYER, written there by the column mapping. Position and size of the window are set below it, as for any LOV.
click prop:Return Items
click prop:X Position
click prop:Y Position
click prop:Width
click prop:Height

step 'Properties' at 40 140 181 206 arrow NW
> Recap: a query record group makes the LOV read the database. Mapping and display work as before. Next lesson: properties of the whole form.
click prop:Record Group

step 'LOVs Based on Query' at 215 240
> Compile the form, then run it.
nc menu:Program
up menu:Program/Compile
show compiled
click btn:OK
hide
nc menu:Program
up menu:Program/Run Form
window runtime 40 90 560 300
set run:ORDER_STATUS = Pending
click run:ORDER_ID
click run:ORDER_DATE

step 'LOVs Based on Query' at 185 310 arrow R
> Click in the Buyer item. The LOV opens and, because Filter Before Display is Yes, it first offers a search field holding %, which matches every name.
click run:BUYER
item LOV_BOX window 200 80 200 140 Buyers A-Z
item LOV_FIND textitem 206 104 120 18 %
item LOV_GO button 332 104 60 18 Find
set run:LOV_FIND = %
again
click run:LOV_FIND

step 'LOVs Based on Query' at 215 310 arrow R
> Press Find. Only now is the query run, and the rows it returns fill the window.
click run:LOV_GO
item LOV_HEAD text 206 126 188 16 NAME
item LOV_R1 text 206 142 188 16 Baker Supplies
item LOV_R2 text 206 158 188 16 Hill and Sons
item LOV_R3 text 206 174 188 16 Lakeside Trading

step 'LOVs Based on Query' at 215 310 arrow SE
> Pick Hill and Sons.
click run:LOV_R2
remove LOV_BOX
remove LOV_FIND
remove LOV_GO
remove LOV_HEAD
remove LOV_R1
remove LOV_R2
remove LOV_R3
set run:BUYER = Hill and Sons

step 'LOVs Based on Query' at 215 310
> The name is returned into Buyer; close the form and save. Recap: an LOV that reads the database. Next lesson: properties of the form.
click win:runtime.close
close runtime
click node:Forms/ORDERS/Lists of Values/LOV2
click node:Forms/ORDERS/Record Groups/RECORD_GROUP2
nc menu:File
up menu:File/Save
