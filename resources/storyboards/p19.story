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
node Forms/ORDERS/Blocks/ORDER_LINES : block
expand Forms/ORDERS/Blocks
node Forms/ORDERS/Canvases/CANVAS1 : canvas
node Forms/ORDERS/Windows/WINDOW1 : window
expand Forms/ORDERS/Windows
select Forms/ORDERS/Blocks/ORDERS
window navigator 0 63 300 397
status Ready

step 'Other Properties of a Form'
> Blocks, items, canvases and windows all have their properties, and so does the form module that holds them. The properties of the module apply to the whole form: which menu it shows, how far the mouse may move the cursor, when records are validated, how many rows a query may fetch, and how positions and sizes are measured. This lesson walks through them on the ORDERS module.
down node:Forms/ORDERS

step 'Other Properties of a Form' at 330 200 arrow L
> Select the module node, ORDERS, at the top of the tree.
up node:Forms/ORDERS

step 'Other Properties of a Form' at 330 200
> Then open the Property Palette.
nc menu:Tools

step 'Other Properties of a Form' at 215 240 arrow NW
> It is on the Tools menu, like the other design windows.
up menu:Tools/Property Palette
window palette 300 63 340 397

step 'Form Properties/Name' at 20 300 arrow L
> The palette heading reads Module: ORDERS. Name is the name of the module; the designer also offers it as the file name when the form is saved.
click prop:Name

step 'Form Properties/Comment' at 20 300 arrow R
> Comment is free text for the people who maintain the form. Click it and type Order Entry.
click val:Comment
type Order Entry

step 'Form Properties/Console Window' at 20 300 arrow L
> Console Window names the window in which the messages and hints of the form appear. Here that is WINDOW1, the only window of the module.
click prop:Console Window

step 'Form Properties/Menus' at 20 300 arrow L
> Menu Module is the menu the form shows at run time. DEFAULT&SMARTBAR gives the standard menu with a toolbar; Menu Source above it says whether that name refers to a file or to a menu stored in the database.
click prop:Menu Module

step 'Form Properties/Menus' at 20 300
> Initial Menu and Menu Role are needed only for menus of your own: the first names the menu shown when the form starts, the second the role whose rights decide which menu items the user may use.
click prop:Initial Menu
click prop:Menu Role

step 'Form Properties/Navigation' at 20 300 arrow U
> Mouse Navigation Limit sets how far the user may move the cursor with the mouse. Form lets him click into any item of the form; Block keeps him inside the current block, Record inside the current record, and Item in the current item.
click val:Mouse Navigation Limit

step 'Form Properties/Navigation' at 20 300 arrow R
> First Navigation Block is the block the cursor goes to when the form starts. Left empty, it is the first block in the navigator. Choose ORDERS.
click val:First Navigation Block
prop First Navigation Block = ORDERS

step 'Form Properties/Visual Attributes' at 20 300 arrow R
> Current Record Attribute names a visual attribute that highlights the record the cursor is in, in every block of the form.
click prop:Current Record Attribute

step 'Form Properties/Transactions' at 20 300 arrow R
> Cursor Mode tells the form whether database cursors stay open after a commit. Open At Commit is the usual value.
click prop:Cursor Mode

step 'Form Properties/Transactions' at 20 300
> Savepoint Mode set to Yes lets the form roll back part of a transaction to a savepoint; leave it at Yes unless the database does not support savepoints.
click prop:Savepoint Mode

step 'Form Properties/Validation Unit' at 20 300 arrow D
> Validation Unit decides how much the user may enter before the form checks it. Default means Item: each value is validated as the cursor leaves its item. Record, Block and Form check later and in larger pieces.
click prop:Validation Unit

step 'Form Properties/Interaction Mode' at 20 300 arrow U
> Interaction Mode set to Blocking makes the user wait while a query runs; Non-Blocking lets him cancel a long query.
click prop:Interaction Mode

step 'Form Properties/Query Limits' at 20 300 arrow R
> Maximum Query Time stops a query that runs too long. Type 60 for a limit of sixty seconds.
click val:Maximum Query Time
type 60

step 'Form Properties/Query Limits' at 20 300 arrow R
> Maximum Records Fetched stops a query after that many rows. Type 1000.
click val:Maximum Records Fetched
type 1000

step 'Form Properties/Isolation Mode' at 20 300
> Isolation Mode is Read Committed: a query sees the data other users have committed. Serializable makes the whole transaction see the data as it was when the transaction began.
click prop:Isolation Mode

step 'Form Properties/Direction' at 20 300 arrow SE
> Direction is for languages written from right to left. Default takes the setting of the machine the form runs on.
click prop:Direction

step 'Form Properties/Coordinate System' at 20 300
> Coordinate System decides the unit in which every position and size of the form is given: X Position, Y Position, Width and Height of items, canvases and windows. Real lets you choose pixels, inches, centimetres or points, while Character measures in the cells of a character screen. Pick it before drawing, because changing it later converts every value of the form and rounding can move items by a pixel or two.
click prop:Coordinate System

step 'Form Properties/Use 3D Controls' at 20 300 arrow D
> Use 3D Controls set to Yes draws items with a sunken, three-dimensional look; No draws them flat.
click prop:Use 3D Controls
scroll palette 2

step 'Form Properties/Toolbars' at 20 300
> Scrolled down, the palette shows the two toolbar properties. Horizontal Toolbar Canvas names a canvas to show as a toolbar across the top of the form's window.
click prop:Horizontal Toolbar Canvas

step 'Form Properties/Toolbars' at 20 300
> Vertical Toolbar Canvas does the same for a toolbar down the left side.
click prop:Vertical Toolbar Canvas

step 'Form Properties/Reference Information' at 20 300
> Reference Information, the last row, shows whether the module was copied from or refers to an object in another module. ORDERS was built from scratch, so it is empty.
click prop:Reference Information
nc win:navigator
front navigator

step 'Other Properties of a Form' at 330 200 arrow R
> Back in the navigator, clicking a block shows that its palette has no module properties: they belong to the module alone.
click node:Forms/ORDERS/Blocks/ORDERS

step 'Other Properties of a Form' at 330 200
> Save the module to keep the new comment, the navigation block and the query limits.
nc menu:File
up menu:File/Save
