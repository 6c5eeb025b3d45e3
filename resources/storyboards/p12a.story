# Lesson 12: Interface Objects - Push buttons (continued)
# How the user reaches the Recalculate button: Mouse Navigate and
# Keyboard Navigable.
part p12a

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

step 'Properties' at 330 150 arrow U
> Two properties of a push button decide how the user reaches it. Open the Property Palette of the Recalculate button from the Tools menu.
pick Tools/Property Palette
window palette 300 63 340 397

step 'Properties' at 40 250 arrow R
> With Mouse Navigate set to No, a click runs the button while the cursor stays in the item the user was typing in: right for a calculation button.
dclick val:Mouse Navigate
prop Mouse Navigate = No

step 'Properties' at 40 250 arrow L
> Keyboard Navigable decides whether the Tab key stops on the button. With No, typing through the order skips it, and the button is used with the mouse only.
click prop:Keyboard Navigable
dclick val:Keyboard Navigable
prop Keyboard Navigable = No

step 'Properties' at 330 250
> Both changes make the button stay out of the user's way: it never takes the cursor from the fields of the order. Save the form to keep them.
pick File/Save
down item:PUSH_BUTTON1
