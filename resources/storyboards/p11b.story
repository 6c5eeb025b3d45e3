# Lesson 11: Interface Objects - Text items (continued)
# A second text item, TAX_PCT, made by copying DISC_PCT with all its
# properties and then given its own name, prompt and initial value.
part p11b

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
status Ready

click item:DISC_PCT
selitem DISC_PCT

step 'Properties/Copying a Text Item' at 330 150 arrow U
> The order also needs a tax rate, an item much like DISC_PCT. Rather than draw it and set every property again, copy DISC_PCT: it is selected, so Copy on the Edit menu takes it.
pick Edit/Copy

step 'Properties/Copying a Text Item' at 330 220
> Paste puts a copy of the item and its prompt on the canvas, a little below and to the right of the original. The pointer drags the copy to its place under DISC_PCT.
pick Edit/Paste
item DISC_PCT1_PROMPT text 30 200 80 16 Discount Pct
item DISC_PCT1 textitem 120 200 56 16
selitem DISC_PCT1
node Forms/ORDERS/Blocks/ORDERS/Items/DISC_PCT1 : item
select Forms/ORDERS/Blocks/ORDERS/Items/DISC_PCT1
prop Width = 56
prop Data Type = Number
prop Maximum Length = 5
prop Initial Value = 0
prop Required = Yes
prop Format Mask = 90.99
prop Prompt = Discount Pct
drag item:DISC_PCT1 => canvas@134,228
item DISC_PCT1_PROMPT text 20 220 80 16 Discount Pct
item DISC_PCT1 textitem 110 220 56 16
dclick item:DISC_PCT1
window palette 300 63 340 397
step 'Properties/Copying a Text Item' at 35 250 arrow R
> A double click opened the copy's Property Palette: DISC_PCT1 has the Data Type, Maximum Length and Format Mask of DISC_PCT. Only what differs needs changing.
click prop:Item Type
scroll palette 12
click val:Data Type
click val:Maximum Length
click val:Initial Value
click val:Required
click val:Format Mask

click prop:Prompt
scroll palette 0

step 'Properties/Copying a Text Item' at 40 250 arrow R
> The name comes first. Typing tax_pct replaces DISC_PCT1.
click val:Name
type tax_pct{Enter}
prop Name = TAX_PCT
rename Forms/ORDERS/Blocks/ORDERS/Items/DISC_PCT1 = TAX_PCT
remove DISC_PCT1
item TAX_PCT textitem 110 220 56 16
remove DISC_PCT1_PROMPT
item TAX_PCT_PROMPT text 20 220 80 16 Discount Pct
click prop:Name
click prop:Class
scroll palette 12
step 'Properties/Copying a Text Item' at 40 250 arrow L prop:Initial Value
> Tax is charged on almost every order, so the initial value of TAX_PCT is 20 instead of 0.
click prop:Initial Value

click val:Initial Value
type 20
prop Initial Value = 20
click prop:Initial Value
click prop:Prompt

step 'Properties/Copying a Text Item' at 40 250
> The copied prompt still says Discount Pct. Typing over it gives the item a prompt of its own.
click val:Prompt
type Tax rate{Enter}
prop Prompt = Tax rate
item TAX_PCT_PROMPT text 20 220 80 16 Tax rate
click prop:Prompt
click prop:Hint
step 'Properties/Copying a Text Item' at 330 220 arrow D
> Clicking the Layout Editor brings it to the front: TAX_PCT stands under DISC_PCT with the prompt Tax rate, a complete item made from a finished one.
click win:layout -200,+0
front layout

click item:TAX_PCT
click item:TAX_PCT_PROMPT
click item:DISC_PCT
click item:TAX_PCT

step 'Properties/Copying a Text Item' at 330 220
> Save the form to keep the new item.
pick File/Save
click canvas@300,280
selitem
