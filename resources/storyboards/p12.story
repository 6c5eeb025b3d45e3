# Lesson 12: Interface Objects - Push buttons
# What a push button is, then one drawn beside NET_TOTAL and given a label.
part p12

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
node Forms/ORDERS/Canvases/CANVAS1 : canvas
node Forms/ORDERS/Canvases/CANVAS1/Graphics/BOILERPLATE1 : text
node Forms/ORDERS/Visual Attributes/HIGHLIGHT : attribute
node Forms/ORDERS/Windows/WINDOW1 : window
expand Forms/ORDERS/Blocks
expand Forms/ORDERS/Blocks/ORDERS
expand Forms/ORDERS/Blocks/ORDERS/Items
select Forms/ORDERS/Blocks/ORDERS/Items/NET_TOTAL
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
window layout 0 63 640 397
status Ready

step 'Description' at 330 220
> A push button is an item the user clicks to make something happen. It holds no data; it runs its code. A Recalculate button will sit beside NET_TOTAL.
click item:NET_TOTAL

step 'Description' at 120 220 arrow L
> The Button tool of the tool palette, marked OK, draws push buttons.
click tool:Button

step 'Description' at 330 250 arrow D
> A click to the right of NET_TOTAL places a button of the standard size. Like a text item, the button joins the block selected in the navigator, ORDERS.
click canvas@210,248
item PUSH_BUTTON1 button 210 248 80 18
selitem PUSH_BUTTON1
tool Select
node Forms/ORDERS/Blocks/ORDERS/Items/PUSH_BUTTON1 : button
select Forms/ORDERS/Blocks/ORDERS/Items/PUSH_BUTTON1
prop Width = 80

step 'Properties' at 330 150 arrow U
> The new button shows its name, PUSH_BUTTON1, because it has no label yet. The Property Palette will give it one.
pick Tools/Property Palette
window palette 300 63 340 397

step 'Properties' at 40 250 arrow L
> Item Type is Push Button, so the palette lists the properties of buttons: a label, an icon, whether it is the default button and how the user reaches it.
click prop:Item Type

step 'Properties' at 40 250 arrow R
> Label is the text written on the face of the button. Click its value to type it.
click val:Label

step 'Properties' at 40 250
> A good label is one or two words that say what the button does.
type Recalculate
prop Label = Recalculate
click prop:Label

step 'Properties' at 40 250 arrow R
> Width and Height set the size of the button. 80 leaves little room around an eleven-letter label, so the button will be widened in the Layout Editor.
click val:Width
click val:Height

step 'Properties' at 330 150
> The Window menu brings the Layout Editor to the front.
pick Window/3 Layout Editor
front layout
item PUSH_BUTTON1 button 210 248 80 18 Recalculate

step 'Properties' at 380 310
> The button now carries its label. Dragging its right handle widens it until the whole word fits.
click item:PUSH_BUTTON1
drag item:PUSH_BUTTON1 +29,+8 => canvas@309,265
item PUSH_BUTTON1 button 210 248 100 18 Recalculate
prop Width = 100

step 'Properties' at 380 310 arrow R
> The Recalculate button is ready on the canvas. It does nothing yet: the next parts of this lesson set its other properties and write the code it runs.
down item:PUSH_BUTTON1
