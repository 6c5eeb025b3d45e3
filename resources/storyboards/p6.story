# Lesson 6: Canvases
# The properties of the content canvas CANVAS1 of the ORDERS form, and a
# second canvas added by hand to show the other canvas types.
part p6

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

step 'Canvases'
> A canvas is the surface on which the items, the prompts and the graphics of a form are drawn. Every canvas is displayed in a window. Open the Canvases node to find the canvas of the ORDERS form.
click node+:Forms/ORDERS/Canvases

step 'Properties' arrow L
> Select CANVAS1, the canvas the Layout Wizard made. Its plus sign leads to the graphics drawn on it, such as the frame.
click node:Forms/ORDERS/Canvases/CANVAS1
click node+:Forms/ORDERS/Canvases/CANVAS1

step 'Properties' arrow U
> Its properties are shown by the Property Palette, on the Tools menu.
nc menu:Tools

step 'Properties'
> Choose Property Palette to open it beside the navigator.
up menu:Tools/Property Palette
window palette 300 63 340 397

step 'Properties' at 30 300 arrow R
> Canvas Type is the most important property of a canvas. A Content canvas fills its window and forms the background of the screen; every window needs one.
click prop:Canvas Type

step 'Properties' at 30 300 arrow R
> Window names the window in which the canvas appears, here WINDOW1.
click prop:Window

step 'Properties' at 30 300
> Width and Height give the size of the drawing surface. Items placed outside this area would never be seen.
click prop:Width
click prop:Height

step 'Properties' at 30 300 arrow D
> Viewport X Position and Viewport Y Position choose the point of the canvas shown in the window's top left corner, which matters when the canvas is larger than its window.
click prop:Viewport X Position
click prop:Viewport Y Position

step 'Properties' at 30 300 arrow R
> Bevel draws an edge round the canvas: Lowered sinks it into the window, Raised lifts it and None leaves it flat.
click val:Bevel

step 'Properties' at 185 175 arrow R
> Background Color fills the canvas behind the items. Clicking its value opens the list of colors.
click val:Background Color
show colors
rows Colors = white | gray | light gray | light blue | light yellow | green

step 'Properties' at 30 10 arrow D
> Picking a color in this list and pressing OK would paint the canvas. Cancel keeps the default color of the window.
click row:Colors/light gray
click btn:Cancel
hide

step 'Properties' at 30 300
> Displayed decides whether the canvas can be seen at all, and Raise on Entry brings a canvas to the front whenever the cursor enters one of its items.
click prop:Displayed
click prop:Raise on Entry

step 'Properties' arrow L
> Other canvas types are easier to understand on a second canvas. Select the Canvases node first.
click node:Forms/ORDERS/Canvases

step 'Properties'
> Create on the Navigator menu adds a new object of the selected kind, here a canvas named CANVAS2.
nc menu:Navigator
up menu:Navigator/Create
node Forms/ORDERS/Canvases/CANVAS2 : canvas
select Forms/ORDERS/Canvases/CANVAS2

step 'Properties' at 30 300 arrow R
> Set Canvas Type to Stacked: a stacked canvas lies over the content canvas and can be shown or hidden while the form runs.
down val:Canvas Type
droplist Content | Stacked | Tab = Stacked
up val:Canvas Type
prop Canvas Type = Stacked
droplist
click prop:Displayed

step 'Properties' arrow NW
> The Window menu brings the Layout Editor back to the front.
nc menu:Window
up menu:Window/3 Layout Editor
front layout

step 'Properties'
> Recap: canvas properties set its type, window, size, visible part and colours. Next lesson: the block whose items are drawn on it.
click canvas@280,260
click item:FRAME1
click item:ORDER_ID
click item:TOTAL
