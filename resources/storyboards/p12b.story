# Lesson 12: Interface Objects - Push buttons (continued)
# The code of the Recalculate button: a On Press trigger made
# from Quick Triggers and written in the Tarnic Editor.
part p12b

caption Form Designer - [ORDERS]
window navigator 0 63 300 397
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
node Forms/ORDERS/Canvases/CANVAS1 : canvas
node Forms/ORDERS/Canvases/CANVAS1/Graphics/BOILERPLATE1 : text
node Forms/ORDERS/Visual Attributes/HIGHLIGHT : attribute
node Forms/ORDERS/Windows/WINDOW1 : window
expand Forms/ORDERS/Blocks
expand Forms/ORDERS/Blocks/ORDERS
expand Forms/ORDERS/Blocks/ORDERS/Items
select Forms/ORDERS/Blocks/ORDERS/Items/PUSH_BUTTON1
prop Label = Recalculate
prop Width = 100
prop Mouse Navigate = No
prop Keyboard Navigable = No
prop X Position = 210
prop Y Position = 248
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
window layout 0 63 640 397
status Ready

click item:PUSH_BUTTON1

step 'Description/Code of a Button' at 330 150 arrow U
> A button runs the code of its On Press trigger each time the user presses it. With the Recalculate button selected, open the Program menu.
nc menu:Program

step 'Description/Code of a Button' at 360 310 arrow R
> Quick Triggers opens a list of the triggers that suit the selected object.
up menu:Program/Quick Triggers

step 'Description/Code of a Button' at 40 250 arrow L
> For a push button the first choice is On Press, the trigger that fires when the button is pressed.
click menu:Program/Quick Triggers/On Press
node Forms/ORDERS/Blocks/ORDERS/Items/PUSH_BUTTON1/Triggers/On Press : trigger
window editor 40 90 560 300
edtitle PUSH_BUTTON1: On Press
focus ed:text

step 'Description/Code of a Button' at 215 290 arrow D
> The Tarnic Editor opens on the new, empty trigger of PUSH_BUTTON1. Clicking in the text area puts the cursor there.
click ed:text

step 'Description/Code of a Button' at 215 290 arrow R @60,145
> The code can be short: it calls a program unit of the form, CALC_NET, which works out the net total from the amount, the discount and the tax rate.
type calc

step 'Description/Code of a Button' at 215 290
> Shift and the minus key type the underscore that joins the two words of the name.
type _

step 'Description/Code of a Button' at 215 290 arrow L @98,145
> The rest of the name follows.
type net

step 'Description/Code of a Button' at 215 290
> A semicolon ends the statement. Keeping the calculation in a program unit means other triggers can call it too.
type ;

step 'Description/Code of a Button' at 215 290 arrow NW
> Compile checks the code before it is stored with the button.
click ed:Compile
status Successfully compiled

step 'Description/Code of a Button' at 215 290 arrow R
> The status line reports that the trigger compiled. Close puts the editor away; the trigger stays with the button, listed under its Triggers node in the navigator.
click ed:Close
close editor
focus
status Ready

step 'Description/Code of a Button' at 330 220
> Save the form with Save on the File menu.
nc menu:File

step 'Description/Code of a Button' at 330 220
> Recap: a push button needs a clear label, suitable navigation properties and an On Press trigger. Next lesson: list items.
up menu:File/Save

step 'Description/Code of a Button' at 370 310 arrow R
> Pressing Recalculate now calls CALC_NET and updates the net total. Recap: a push button and its code. Next lesson: list items.
down item:PUSH_BUTTON1
