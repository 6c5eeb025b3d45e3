# Lesson 3: Creating a Basic Form
# An empty form module, the design preferences, the database connection, an
# ORDERS block built by the Data Block Wizard and laid out by the Layout
# Wizard, then moved and resized by hand in the Layout Editor.
part p3
starts-elsewhere a new session of the designer with no module open: the first form is built from nothing

caption Form Designer
window navigator 0 63 300 397
status Ready

step 'Creating a Basic Form'
> The designer starts afresh, with no module open. You build your first form, for the ORDERS table: a module, preferences, a connection, the wizards and some hand layout.
click node:Forms

step 'Create empty form module' arrow U 38 4
> Every form starts as a form module, the file that holds all of its objects. New modules are made from the File menu.
nc menu:File

step 'Create empty form module' arrow L
> New opens a short menu listing the kinds of module the designer can build.
up menu:File/New

step 'Create empty form module' arrow R
> Choose Form. The designer creates an empty form module and gives it a temporary name.
down menu:File/New/Form
up menu:File/New/Form
node Forms/MODULE1 : module
expand Forms
select Forms/MODULE1
caption Form Designer - [MODULE1]

step 'Create empty form module' arrow L node:Forms/MODULE1
> MODULE1 now appears under the Forms node. Its plus sign shows that the module already holds its groups of objects, every one of them still empty.
click node+:Forms/MODULE1

step 'Create empty form module' arrow L
> Blocks is the group that will hold the data block of the form. It is empty for now; the Data Block Wizard fills it later in this lesson.
click node:Forms/MODULE1/Blocks

step 'Set design preferences' arrow U
> Before you start designing, check the preferences: they decide how the designer behaves while you work. They are kept on the Edit menu.
nc menu:Edit

step 'Set design preferences' at 245 175 arrow L
> Choose Preferences, the last command of the Edit menu.
up menu:Edit/Preferences...
show preferences

step 'Set design preferences' at 305 5 340 100 arrow R
> The General tab lists what the designer does for you automatically. Save Before Building stores the module each time you compile it, so an interrupted session never costs you your work.
click chk:Save Before Building

step 'Set design preferences' at 150 5 340 100
> Generate Before Running compiles the form each time you run it, so the form you test always includes your latest changes.
click chk:Generate Before Running

step 'Set design preferences' at 65 5 340 100 arrow D
> The other tabs hold further groups of preferences: Runtime, for example, sets the options used when the designer runs your form for a test.
click tab:Runtime

step 'Set design preferences' at 0 10 arrow NW
> OK keeps the new preferences. They apply to every module you open from now on, not only to MODULE1.
click btn:OK
hide

step 'Connect to database' arrow U 38 4
> The wizards read the tables of the database, so the designer must be connected before you use them. Open the File menu and choose Connect.
nc menu:File
up menu:File/Connect...
show connect

step 'Connect to database' at 215 310 arrow R
> Click in the User Name box and type the name of your database account. This course uses the account student.
click fld:User Name
type student

step 'Connect to database' at 215 310 arrow R
> The password comes next. Capital letters count in a password, so type it exactly as it was given to you: Forms_3.
click fld:Password
type Forms_3

step 'Connect to database' at 215 310 arrow R
> The Database box names the database you want to reach; for this course it is course.
click fld:Database
type course

step 'Connect to database' at 215 310 arrow SE
> Press Connect. The dialog closes and the status line confirms that the designer is connected.
click btn:Connect
hide
status Connected to course as student

step 'Use data block wizard' at 330 250
> Now the form needs a data block, the object that ties the items of a form to a table. The quickest way to build one is a wizard, and the wizards are on the Tools menu.
nc menu:Tools

step 'Use data block wizard' at 330 250 arrow L
> Choose Data Block Wizard. It creates the block and one item for each column of the table you name.
up menu:Tools/Data Block Wizard...
show blockwelcome

step 'Use data block wizard' at 110 2 346 96
> The wizard opens with a welcome page that explains what it does. Next goes on to the first question.
click btn:Next >
swap blocktype

step 'Use data block wizard' at 120 0 346 96 arrow R
> A block can be based on a table or view, or on stored procedures. A table is the usual choice for a first form.
click opt:Table or View
click btn:Next >
swap blocktable

step 'Use data block wizard' at 90 0 346 96 arrow L
> Now the wizard needs the table. Browse lists the tables your account can use; choose ORDERS, and its columns appear under Available Columns.
click btn:Browse...
show tables
rows Tables = CUSTOMERS | ORDERS | ORDER_LINES | PRODUCTS
click row:Tables/ORDERS
click btn:OK
hide
set Table or View = ORDERS
rows Available Columns = ORDER_ID | ORDER_DATE | CUSTOMER_ID | STATUS | TOTAL

step 'Use data block wizard' at 110 2 346 96
> The double arrow moves every column to Database Items, so each one becomes an item of the block. A single arrow moves only the selected column.
click btn:>>
rows Available Columns =
rows Database Items = ORDER_ID | ORDER_DATE | CUSTOMER_ID | STATUS | TOTAL
click btn:Next >
swap blockfinish

step 'Use data block wizard' at 110 2 346 96 arrow R
> The wizard can hand over to the Layout Wizard straight away, which places the new items on a canvas. Keep that choice and press Finish.
click opt:Create the data block, then call the Layout Wizard
click btn:Finish
swap layoutwelcome
node Forms/MODULE1/Blocks/ORDERS : block
expand Forms/MODULE1/Blocks

step 'Use data block wizard' at 110 2 346 96
> The Layout Wizard starts with its own welcome page. Press Next to choose where the items go.
click btn:Next >
swap layoutcanvas
set Canvas = (New Canvas)
set Type = Content

step 'Use data block wizard' at 110 2 346 96
> A new content canvas will hold the items. A content canvas fills its window, which makes it the right kind for the main screen of a form.
click btn:Next >
swap layoutitems
set Data Block = ORDERS
rows Available Items = ORDER_ID | ORDER_DATE | CUSTOMER_ID | STATUS | TOTAL
set Item Type = Text Item

step 'Use data block wizard' at 110 2 346 96 arrow R
> Choose which items to display. All five are wanted on this form, so move them all to Displayed Items.
click btn:>>
rows Available Items =
rows Displayed Items = ORDER_ID | ORDER_DATE | CUSTOMER_ID | STATUS | TOTAL
click btn:Next >
swap layoutprompts
rows Items = Order Id | Order Date | Customer Id | Status | Total

step 'Use data block wizard' at 85 0 346 96 arrow D
> The wizard turns each column name into a prompt, the label the user reads beside the item. The prompts can be changed here or later in the Layout Editor.
click row:Items/Order Date
click btn:Next >
swap layoutstyle

step 'Use data block wizard' at 110 2 346 96 arrow R
> A Form layout shows one record at a time with each prompt to the left of its item. A Tabular layout shows several records as rows under a line of prompts.
click opt:Form
click btn:Next >
swap layoutrows
set Records Displayed = 1

step 'Use data block wizard' at 110 2 346 96 arrow R
> The items are placed inside a frame, and the frame can carry a title. Type Orders so the user knows what the screen shows.
click fld:Frame Title
type Orders

step 'Use data block wizard' at 110 2 346 96
> One record displayed is right for a Form layout. Press Next to reach the last page of the wizard.
click btn:Next >
swap layoutfinish

step 'Use data block wizard' at 110 2 346 96
> Finish builds what the two wizards have collected: a canvas, a frame with its title and one text item with a prompt for each column. The Layout Editor then opens on the result.
click btn:Finish
hide
node Forms/MODULE1/Blocks/ORDERS/Items/ORDER_ID : item
node Forms/MODULE1/Blocks/ORDERS/Items/ORDER_DATE : item
node Forms/MODULE1/Blocks/ORDERS/Items/CUSTOMER_ID : item
node Forms/MODULE1/Blocks/ORDERS/Items/STATUS : item
node Forms/MODULE1/Blocks/ORDERS/Items/TOTAL : item
node Forms/MODULE1/Canvases/CANVAS1 : canvas
node Forms/MODULE1/Windows/WINDOW1 : window
expand Forms/MODULE1/Blocks/ORDERS
expand Forms/MODULE1/Blocks/ORDERS/Items
window layout 160 63 480 397
canvas CANVAS1 540 330
item FRAME1 frame 10 10 300 170 Orders
item ORDER_ID_PROMPT text 24 30 80 16 Order Id
item ORDER_ID textitem 110 28 80 18
item ORDER_DATE_PROMPT text 24 58 80 16 Order Date
item ORDER_DATE textitem 110 56 80 18
item CUSTOMER_ID_PROMPT text 24 86 80 16 Customer Id
item CUSTOMER_ID textitem 110 84 80 18
item STATUS_PROMPT text 24 108 80 16 Status
item STATUS textitem 110 112 80 18
item TOTAL_PROMPT text 24 142 80 16 Total
item TOTAL textitem 110 140 80 18

step 'Layout editor' at 360 280
> The Layout Editor shows CANVAS1 as the user will see it: the Orders frame around five text items with their prompts. You can select, move and resize each one.
click item:ORDER_ID

step 'Layout editor' at 360 280
> Clicking an item selects it. Here the pointer moves on to ORDER_DATE; the handles around the selected item show which object the Property Palette would now describe.
click item:ORDER_DATE

step 'Layout editor' at 360 280
> The Select tool is the one to use for choosing and moving objects on the canvas. It is active whenever no drawing tool is chosen.
click tool:Select

step 'Modifying layout' at 360 280 arrow R
> The wizard made every item the same width, but a customer id needs less room than the others. Dragging the right edge of CUSTOMER_ID makes it narrower.
drag item:CUSTOMER_ID +38,+0 => canvas@182,93
item CUSTOMER_ID textitem 110 84 72 18
selitem CUSTOMER_ID

step 'Modifying layout' at 360 280
> The total of an order is easier to read with more space. Drag its right edge out the same way to widen TOTAL.
drag item:TOTAL +38,+0 => canvas@230,149
item TOTAL textitem 110 140 120 18
selitem TOTAL

step 'Modifying layout' at 360 280 arrow SW
> Objects move by dragging from their middle. The STATUS prompt sits a little high, so dragging it down lines it up with its item.
drag item:STATUS_PROMPT => canvas@64,122
item STATUS_PROMPT text 24 114 80 16 Status
selitem STATUS_PROMPT

step 'Modifying layout' at 360 280 arrow D
> The frame can be resized like any other object. Making it narrower removes the empty space the wizard left on its right.
drag item:FRAME1 +148,+0 => canvas@260,95
item FRAME1 frame 10 10 250 170 Orders
selitem FRAME1

click canvas@400,260
selitem

step 'Layout editor' at 360 280
> Recap: you made a module, connected, and built and laid out the ORDERS block. The navigator lists it all. Next lesson: save, compile and run the form.
nc win:navigator
front navigator
