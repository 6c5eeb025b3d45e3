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
click val:First Navigation Block
prop First Navigation Block = ORDERS

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
