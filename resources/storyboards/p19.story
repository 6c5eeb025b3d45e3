# Lesson 19: Other Properties of a form
# The properties of the form module itself, walked through in the Property
# Palette of the ORDERS module: menus, navigation, validation, querying,
# transactions and the coordinate system.
part p19

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
expand Forms/ORDERS/Blocks
node Forms/ORDERS/Canvases/CANVAS1 : canvas
node Forms/ORDERS/Canvases/CANVAS1/Graphics/BOILERPLATE1 : text
node Forms/ORDERS/Windows/WINDOW1 : window
node Forms/ORDERS/Lists of Values/LOV1 : lov
node Forms/ORDERS/Lists of Values/LOV2 : lov
node Forms/ORDERS/Record Groups/RECORD_GROUP1 : recordgroup
node Forms/ORDERS/Record Groups/RECORD_GROUP1/Column Definitions/CODE : column
node Forms/ORDERS/Record Groups/RECORD_GROUP1/Column Definitions/NAME : column
node Forms/ORDERS/Record Groups/RECORD_GROUP2 : recordgroup
node Forms/ORDERS/Record Groups/RECORD_GROUP2/Column Definitions/NAME : column
node Forms/ORDERS/Visual Attributes/HIGHLIGHT : attribute
expand Forms/ORDERS/Windows
select Forms/ORDERS/Blocks/ORDERS
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
status Ready

step 'Other Properties of a form'
> The form module has properties too, and they apply to the whole form: its menu, mouse navigation, validation, query limits and the unit of sizes.
down node:Forms/ORDERS

step 'Other Properties of a form' at 330 200 arrow L
> Select the module node, ORDERS, at the top of the tree.
up node:Forms/ORDERS

step 'Other Properties of a form' at 330 200
> Then open the Property Palette.
nc menu:Tools

step 'Other Properties of a form' at 215 240 arrow NW
> It is on the Tools menu, like the other design windows.
up menu:Tools/Property Palette
window palette 300 63 340 397

step 'Properties/Name' at 20 300 arrow L
> The palette heading reads Module: ORDERS. Name is the name of the module; the designer also offers it as the file name when the form is saved.
click prop:Name

step 'Properties/Comment' at 20 300 arrow R
> Comment is free text for the people who maintain the form. Click it and type Order Entry.
click val:Comment
type Order Entry

step 'Properties/Console Window' at 20 300 arrow L
> Console Window names the window in which the messages and hints of the form appear. Here that is WINDOW1, the only window of the module.
click prop:Console Window

step 'Properties/Menus' at 20 300 arrow L
> Menu Module names the menu the form shows at run time; MAIN_MENUBAR is the standard menu with a toolbar. Menu Source says where that menu is kept.
click prop:Menu Module

step 'Properties/Menus' at 20 300
> Initial Menu and Menu Role are needed only for menus of your own: the first names the menu shown when the form starts, the second the role whose rights decide which menu items the user may use.
click prop:Initial Menu
click prop:Menu Role

step 'Properties/Navigation' at 20 300 arrow U
> Mouse Navigation Limit sets how far a mouse click may move the cursor: anywhere in the Form, or only inside the Block, the Record or the Item.
click val:Mouse Navigation Limit

step 'Properties/Navigation' at 20 300 arrow R
> First Navigation Block is the block the cursor goes to when the form starts. Left empty, it is the first block in the navigator. Choose ORDERS.
down val:First Navigation Block
droplist ORDERS = ORDERS
up val:First Navigation Block
prop First Navigation Block = ORDERS
droplist

step 'Properties/Visual Attributes' at 20 300 arrow R
> Current Record Attribute names a visual attribute that highlights the record the cursor is in, in every block of the form.
click prop:Current Record Attribute

step 'Properties/Transactions' at 20 300 arrow R
> Cursor Mode tells the form whether database cursors stay open after a commit. Open At Commit is the usual value.
click prop:Cursor Mode

step 'Properties/Transactions' at 20 300
> Savepoint Mode set to Yes lets the form roll back part of a transaction to a savepoint; leave it at Yes unless the database does not support savepoints.
click prop:Savepoint Mode

step 'Properties/Validation Unit' at 20 300 arrow D
> Validation Unit sets how much the user may enter before the form checks it. Item checks each value as the cursor leaves it.
click prop:Validation Unit

step 'Properties/Interaction Mode' at 20 300 arrow U
> Interaction Mode set to Blocking makes the user wait while a query runs; Non-Blocking lets them cancel a long query.
click prop:Interaction Mode

step 'Properties/Query Limits' at 20 300 arrow R
> Maximum Query Time stops a query that runs too long. Type 60 for a limit of sixty seconds.
click val:Maximum Query Time
type 60

step 'Properties/Query Limits' at 20 300 arrow R
> Maximum Records Fetched stops a query after that many rows. Type 1000.
click val:Maximum Records Fetched
type 1000

step 'Properties/Isolation Mode' at 20 300
> Isolation Mode is Read Committed: a query sees the data other users have committed. Serializable makes the whole transaction see the data as it was when the transaction began.
click prop:Isolation Mode

step 'Properties/Direction' at 20 300 arrow SE
> Direction is for languages written from right to left. Default takes the setting of the machine the form runs on.
click prop:Direction

step 'Properties/Coordinate System' at 20 300
> Coordinate System is the unit of every position and size. Choose it before drawing: changing it later converts every value and may round them.
click prop:Coordinate System

step 'Properties/Use 3D Controls' at 20 300 arrow D
> Use 3D Controls set to Yes draws items with a sunken, three-dimensional look; No draws them flat.
click prop:Use 3D Controls
scroll palette 2

step 'Properties/Toolbars' at 20 300
> Scrolled down, the palette shows the two toolbar properties. Horizontal Toolbar Canvas names a canvas to show as a toolbar across the top of the form's window.
click prop:Horizontal Toolbar Canvas

step 'Properties/Toolbars' at 20 300
> Vertical Toolbar Canvas does the same for a toolbar down the left side.
click prop:Vertical Toolbar Canvas

step 'Properties/Reference Information' at 20 300
> Reference Information, the last row, shows whether the module was copied from or refers to an object in another module. ORDERS was built from scratch, so it is empty.
click prop:Reference Information
nc win:navigator
front navigator

step 'Other Properties of a form' at 330 200 arrow R
> Back in the navigator, clicking a block shows that its palette has no module properties: they belong to the module alone.
click node:Forms/ORDERS/Blocks/ORDERS

step 'Other Properties of a form' at 330 200
> Save the module. Recap: the properties of the whole form module. Next lesson: a complete form with a control block, built from scratch.
nc menu:File
up menu:File/Save
