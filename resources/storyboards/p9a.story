# Lesson 9: Interface Objects - Common Properties (continued)
# The other nine common properties, on the same TOTAL_DUE item: Font
# Width, Font Weight, Foreground Color, Background Color, Fill Pattern,
# Charmod Logical Attribute, White on Black, Comment, Reference Information.
part p9a

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
node Forms/ORDERS/Canvases/CANVAS1 : canvas
node Forms/ORDERS/Visual Attributes/HIGHLIGHT : attribute
node Forms/ORDERS/Windows/WINDOW1 : window
expand Forms/ORDERS/Blocks
expand Forms/ORDERS/Blocks/ORDERS
expand Forms/ORDERS/Blocks/ORDERS/Items
select Forms/ORDERS/Blocks/ORDERS/Items/TOTAL_DUE
prop Width = 96
prop Height = 20
prop Font Name = Serif
prop Font Size = 10
prop Font Style = Italic
canvas CANVAS1 540 340
item ORDER_ID_PROMPT text 20 30 80 16 Order Id
item ORDER_ID textitem 110 28 80 18
item ORDER_DATE_PROMPT text 20 60 80 16 Order Date
item ORDER_DATE textitem 110 58 80 18
item CUSTOMER_ID_PROMPT text 20 90 80 16 Customer Id
item CUSTOMER_ID textitem 110 88 80 18
item TOTAL_DUE textitem 110 118 96 20
window palette 300 63 340 397
status Ready

step 'Interface Objects - Common Properties' at 40 250
> The second half of the common properties starts where the first ended: TOTAL_DUE is selected and its palette shows the font rows set so far. Font Width comes next.
click prop:Font Width

step 'Font Width' at 40 250 arrow R
> Font Width is how wide the characters are drawn, from condensed to expanded. Normal suits almost every item.
click val:Font Width

step 'Font Width' at 40 250
> A double click steps to Semi Expanded, which spreads the digits of the amount a little. Use it with care: wider characters need a wider item.
dclick val:Font Width
prop Font Width = Semi Expanded

step 'Font Weight' at 40 250 arrow R
> Font Weight is how heavy the strokes of the characters are. Medium is the normal weight; Bold makes a total easy to spot.
click val:Font Weight

step 'Font Weight' at 40 250
> Double-clicking steps through the weights from Medium to Bold. Weight and style go together, so this item is now shown bold and italic.
dclick val:Font Weight
prop Font Weight = Bold

step 'Foreground Color' at 40 250 arrow R
> Foreground Color is the colour of the text and of the lines drawn in the object. Its value is empty, which means the default colour of the platform.
click val:Foreground Color

step 'Foreground Color' at 40 120 arrow U
> Double-clicking a colour property opens the Color dialog, which lists the colours the form can use.
dclick val:Foreground Color
show colors
rows Colors = black | white | darkblue | darkred | green | lightyellow | gray

step 'Foreground Color' at 40 300 arrow L
> The pointer picks darkblue and confirms with OK: the amount will be written in dark blue.
click row:Colors/darkblue
click btn:OK
hide
prop Foreground Color = darkblue

step 'Background Color' at 40 250 arrow R
> Background Color is the colour behind the text, filling the whole rectangle of the item. The same dialog sets it.
dclick val:Background Color
show colors
rows Colors = black | white | darkblue | darkred | green | lightyellow | gray

step 'Background Color' at 40 300 arrow L
> A pale colour behind dark text keeps the amount readable; lightyellow marks it as a field the form fills in, not the user.
click row:Colors/lightyellow
click btn:OK
hide
prop Background Color = lightyellow

step 'Fill Pattern' at 40 250 arrow D
> Fill Pattern says how the background colour is laid on the object: solid, transparent, or one of many hatch patterns that mix the foreground and background colours.
click val:Fill Pattern

step 'Fill Pattern' at 40 250
> A double click sets the pattern to solid, so the lightyellow background covers the item evenly.
dclick val:Fill Pattern
prop Fill Pattern = solid

scroll palette 6

step 'Charmod Logical Attribute' at 40 250 arrow NW
> Charmod Logical Attribute matters only on a text terminal without fonts or colours: it names the attribute, such as reverse, used there instead.
click prop:Charmod Logical Attribute
click val:Charmod Logical Attribute

step 'White on Black' at 40 250
> White on Black also belongs to simple displays: set to Yes, the object is drawn as white text on a black background on a monochrome screen. On a colour screen it changes nothing, so it stays No.
click prop:White on Black
click val:White on Black
scroll palette 14

step 'Comment' at 40 250 arrow D
> The palette has scrolled to its last rows. Comment holds free text for the developers who maintain the form; the user never sees it.
click val:Comment

type Computed.{Space}

step 'Comment' at 40 250
> The note typed here tells the next developer that the form computes this amount and that the user cannot change it.
type Read only{Enter}

step 'Reference Information' at 215 177 300 160 arrow R
> Reference Information names the original of a copied object; TOTAL_DUE was made here, so it is empty. Recap: eighteen common properties. Next: boilerplate text.
click prop:Reference Information
pick Tools/Layout Editor
window layout 0 63 640 397
pick Window/2 Property Palette
front palette
pick File/Save
pick Program/Compile
show compiled
click btn:OK
hide
down node:Forms/ORDERS/Blocks/ORDERS/Items/TOTAL_DUE
