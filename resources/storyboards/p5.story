# Lesson 5: Windows
# The window WINDOW1 of the ORDERS form: how it relates to the canvas CANVAS1
# and the properties that set its size, title and behaviour.
part p5

caption Form Designer - [ORDERS]
window layout 250 63 390 397
canvas CANVAS1 540 330
item FRAME1 frame 10 10 250 170 Orders
item ORDER_ID_PROMPT text 24 30 80 16 Order Id
item ORDER_ID textitem 110 28 80 18
item ORDER_DATE_PROMPT text 24 58 80 16 Order Date
item ORDER_DATE textitem 110 56 80 18
item CUSTOMER_ID_PROMPT text 24 86 80 16 Customer Id
item CUSTOMER_ID textitem 110 84 72 18
item STATUS_PROMPT text 24 114 80 16 Status
item STATUS textitem 110 112 80 18
item TOTAL_PROMPT text 24 142 80 16 Total
item TOTAL textitem 110 140 120 18
window navigator 0 63 250 397
node Forms/ORDERS : module
expand Forms
node Forms/ORDERS/Blocks/ORDERS : block
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_ID : item
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_DATE : item
node Forms/ORDERS/Blocks/ORDERS/Items/CUSTOMER_ID : item
node Forms/ORDERS/Blocks/ORDERS/Items/STATUS : item
node Forms/ORDERS/Blocks/ORDERS/Items/TOTAL : item
node Forms/ORDERS/Canvases/CANVAS1 : canvas
node Forms/ORDERS/Windows/WINDOW1 : window
expand Forms/ORDERS
select Forms/ORDERS
status Connected to course as student

step 'Windows'
> A window is the frame in which the user sees a form. It has a title bar, borders and buttons, but on its own it shows nothing: what appears inside a window is a canvas.
click node:Forms/ORDERS

step 'Windows' arrow L 0 175
> The designer itself is such a window. Its title bar, which the pointer clicks now, names the module you are working on, and the windows of your form will carry titles of their own.
nc title

step 'Relation to Canvases' arrow L
> The windows of a form are listed under the Windows node. Expand it to see them.
click node+:Forms/ORDERS/Windows

step 'Relation to Canvases'
> WINDOW1 was created by the Layout Wizard together with CANVAS1. Select it to work on its properties.
click node:Forms/ORDERS/Windows/WINDOW1

step 'Properties' arrow U
> The Property Palette of the window opens from the Tools menu.
nc menu:Tools

step 'Properties'
> Choose Property Palette to list the properties of WINDOW1.
up menu:Tools/Property Palette
window palette 300 63 340 397

step 'Properties' at 30 300 arrow R
> Primary Canvas names the canvas the window shows when it opens. Left empty, as here, the window shows its first content canvas, CANVAS1.
click prop:Primary Canvas

step 'Properties' at 30 300 arrow R
> Window Style is Document for a main window that stays open, or Dialog for a window that pops up over another one.
click prop:Window Style

step 'Properties' at 30 300 arrow R
> Modal set to Yes would stop the user from leaving the window until it is closed, as a dialog does. A main window stays No.
click prop:Modal

step 'Properties' at 30 300 arrow R
> X Position and Y Position place the window on the screen; Width and Height give its size. Click the value of Width to change it.
click val:Width

step 'Properties'
> Type 400. Sizes and positions are measured in the units of the form's coordinate system.
type 400

step 'Properties'
> Enter confirms the new value, and the palette shows it at once.
key Enter

step 'Properties' at 30 300 arrow R
> Title is the text shown in the title bar of the window at run time. Without a title, the user sees the name of the form.
click val:Title

step 'Properties'
> Type Order Entry so the user knows what the window is for.
type Order Entry

step 'Properties' at 30 300 arrow D
> Minimize Allowed, Move Allowed, Resize Allowed and Maximize Allowed decide which of the usual window controls the user may use.
click prop:Minimize Allowed

step 'Properties' arrow SW
> The scroll bar properties add scroll bars to the window, which the user needs when the canvas is larger than the window.
click prop:Show Vertical Scroll Bar

step 'Relation to Canvases' arrow L
> That brings us back to canvases. Expand the Canvases node in the navigator.
click node+:Forms/ORDERS/Canvases

step 'Relation to Canvases' arrow L
> Select CANVAS1. The palette now lists the properties of the canvas instead of the window.
click node:Forms/ORDERS/Canvases/CANVAS1

step 'Relation to Canvases' at 30 300 arrow R
> Window ties the two objects: CANVAS1 belongs to WINDOW1, so it is shown in that window. A canvas with no window is never seen.
click prop:Window

step 'Relation to Canvases' at 30 300 arrow R
> The canvas has its own Width and Height. CANVAS1 is 540 units wide, wider than the 400 you gave the window.
click prop:Width

step 'Relation to Canvases' at 30 300 arrow D
> When the canvas is larger than its window, the window shows only part of it, called the viewport. Viewport X Position and Viewport Y Position say which part is shown first.
click prop:Viewport X Position

step 'Relation to Canvases' arrow U
> To see the canvas again, bring the Layout Editor forward from the Window menu, which lists every open design window.
nc menu:Window

step 'Relation to Canvases' at 215 215 arrow NW
> Choose 3 Layout Editor, the third design window in the list.
up menu:Window/3 Layout Editor
front layout

step 'Relation to Canvases'
> The Layout Editor draws CANVAS1. Only the part that fits in the 400 unit wide window will be visible when the form runs.
click canvas@290,250

step 'Relation to Canvases'
> The items sit near the top left corner of the canvas, well inside the viewport, so the user will see all of them without scrolling.
click item:ORDER_ID

step 'Windows' at 210 175
> Recap: the window gives the form its frame, title and size; the canvas gives it content. Next lesson: canvases and their properties.
click item:TOTAL
