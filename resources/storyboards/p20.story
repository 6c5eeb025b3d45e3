# Lesson 20, part 1: Create Form with Control Block
# A new form module named ORDERS_FORM, the connection to the database, the
# title of its window and a first canvas shown in that window.
part p20

caption Form Designer - [MODULE1]
window navigator 0 63 300 397
node Forms/MODULE1 : module
expand Forms
select Forms/MODULE1
status Ready

step 'Create Form with Control Block' at 147 150 346 190
> This lesson builds a whole form: a control block with a customer list, a Find button and a total, and an ORDERS block below. First, File, New, Form.
nc menu:File
up menu:File/New
click menu:File/New/Form
node Forms/MODULE2 : module
node Forms/MODULE2/Windows/WINDOW1 : window
select Forms/MODULE2
caption Form Designer - [MODULE2]

step 'New Form' arrow L
> The empty module MODULE2 appears under Forms. Its groups are still empty, except Windows: every new form gets a window.
click node+:Forms/MODULE2
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
down node:Forms/MODULE2
rename Forms/MODULE2 = ORDERS_FORM
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
click val:Primary Canvas
prop Primary Canvas = CANVAS1
click node:Forms/ORDERS_FORM/Canvases/CANVAS1

step 'Canvas'
> The Layout Editor opens the empty canvas. The next parts draw the control block and the orders block on it; saving the module now keeps the work done so far.
nc menu:Tools
up menu:Tools/Layout Editor
window layout 0 63 640 397
canvas CANVAS1 540 340
click tool:Select
click canvas +60,+40
click win:navigator
click node:Forms/ORDERS_FORM/Canvases/CANVAS1
nc menu:File
up menu:File/Save
