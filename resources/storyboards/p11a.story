# Lesson 11: Interface Objects - Text items (continued)
# A hint for DISC_PCT, then the form is run to see Initial Value, Data
# Type, Required, Format Mask and Hint at work.
part p11a

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
node Forms/ORDERS/Canvases/CANVAS1 : canvas
node Forms/ORDERS/Canvases/CANVAS1/Graphics/BOILERPLATE1 : text
node Forms/ORDERS/Visual Attributes/HIGHLIGHT : attribute
node Forms/ORDERS/Windows/WINDOW1 : window
expand Forms/ORDERS/Blocks
expand Forms/ORDERS/Blocks/ORDERS
expand Forms/ORDERS/Blocks/ORDERS/Items
select Forms/ORDERS/Blocks/ORDERS/Items/DISC_PCT
prop Width = 56
prop Data Type = Number
prop Maximum Length = 5
prop Initial Value = 0
prop Required = Yes
prop Format Mask = 90.99
prop Prompt = Discount Pct
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
window layout 0 63 640 397
window palette 300 63 340 397
scroll palette 12
status Ready

step 'Properties' at 40 250
> One property of DISC_PCT is still empty: Hint. Click its value to give the item a line of help.
click val:Hint

step 'Properties' at 40 250 arrow R
> A single word is enough here: Percent. The hint should say what to type, not repeat the prompt.
type Percent
click prop:Hint
click prop:Tooltip

step 'Properties' at 330 150 arrow U
> The best test of a text item is to use it. Run Form on the Program menu starts the form in a runtime window.
pick Program/Run Form
window runtime 0 63 640 397
set run:DISC_PCT = 0.00
status Running ORDERS
click run:ORDER_ID
click run:ORDER_DATE
click run:CUSTOMER_ID

step 'Properties' at 330 220 arrow L
> The new record already shows 0.00 in DISC_PCT: the Initial Value of 0, written with the Format Mask 90.99. Clicking the item puts the cursor in it, and the status line at the bottom shows the hint, Percent.
click run:DISC_PCT
status Percent

step 'Properties' at 330 220
> Data Type is Number. Typing the letter X shows what happens: the form will not accept the value, and the status line lists the characters a number may contain.
type X
status Legal characters are 0-9 - + E .

step 'Properties' at 330 220
> Backspace removes the wrong character and leaves the item empty.
key BS
status Percent

step 'Properties' at 330 220 arrow D
> Trying to leave the empty item fails: Required is Yes, so the form keeps the cursor in DISC_PCT until a value is typed.
click run:ORDER_ID
focus run:DISC_PCT
status Field must be entered.

step 'Properties' at 330 220 arrow R
> Typing 7.5 and pressing Tab gives a valid discount. The item shows it as 7.50, because the mask always adds two decimals.
type 7.5{Tab}
set run:DISC_PCT = 7.50
focus
status Running ORDERS
click run:TOTAL_DUE
click run:ORDER_ID
click win:runtime.close
close runtime
status Ready
step 'Properties' at 215 177 300 160
> Each property did its work without code: the initial value, the data type, Required, the format mask and the hint. Save the form before going on.
click prop:Hint
click val:Hint
click prop:Required

pick File/Save
click node:Forms/ORDERS/Blocks/ORDERS/Items/DISC_PCT
click node:Forms/ORDERS/Blocks/ORDERS/Items/TOTAL_DUE
