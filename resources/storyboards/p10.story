# Lesson 10: Interface Objects - Boilerplate text
# What boilerplate text is and where it lives, then a label and a heading
# drawn on the ORDERS canvas and their properties changed in the palette.
part p10

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
expand Forms/ORDERS/Canvases
expand Forms/ORDERS/Canvases/CANVAS1
select Forms/ORDERS/Canvases/CANVAS1
canvas CANVAS1 540 340
item ORDER_ID_PROMPT text 20 30 80 16 Order Id
item ORDER_ID textitem 110 28 80 18
item ORDER_DATE_PROMPT text 20 60 80 16 Order Date
item ORDER_DATE textitem 110 58 80 18
item CUSTOMER_ID_PROMPT text 20 90 80 16 Customer Id
item CUSTOMER_ID textitem 110 88 80 18
item TOTAL_DUE textitem 110 118 96 20
window layout 0 63 640 397
status Ready

step 'Description' at 330 200
> Boilerplate text is fixed text drawn on a canvas: a title, a label, an instruction. The user reads it but cannot type into it, and it holds no data.
click item:ORDER_ID_PROMPT

step 'Description' at 330 200 arrow L
> TOTAL_DUE has no prompt, so the user would not know what the number means. A piece of boilerplate text will label it.
click item:TOTAL_DUE

step 'Description' at 120 200 arrow L
> The Text tool of the tool palette, the button marked T, draws boilerplate text. Click it once to choose it.
click tool:Text

step 'Description' at 330 200 arrow D
> Clicking on the canvas to the left of TOTAL_DUE places the new text there, with a blinking cursor ready for typing.
click canvas@20,120
item BOILERPLATE1 text 20 120 80 16 |
selitem BOILERPLATE1
focus item:BOILERPLATE1

step 'Description' at 330 200
> The words typed now become the text of the new object.
type Amount{Space}

step 'Description' at 330 200 169 131
> Capital letters are typed with Shift held down, as in any text.
type Due
focus

step 'Description' at 360 175 arrow SE
> Clicking an empty spot of the canvas ends the typing. The designer switches back to the Select tool, ready to work on what you have drawn.
click canvas@300,260
selitem
tool Select

step 'Description' at 330 200
> Clicking the text selects it as one object, with handles at its corners like any other object on the canvas.
click item:BOILERPLATE1

step 'Description' at 330 150 arrow U
> Where does boilerplate text live in the form? The Window menu brings back the Object Navigator to find out.
pick Window/1 Object Navigator
front navigator
node Forms/ORDERS/Canvases/CANVAS1/Graphics/BOILERPLATE1 : text
expand Forms/ORDERS/Canvases/CANVAS1/Graphics
select Forms/ORDERS/Canvases/CANVAS1/Graphics/BOILERPLATE1
prop X Position = 20
prop Y Position = 120

step 'Description' at 330 200 arrow L
> The text is listed under the Graphics node of CANVAS1, not under a block. Boilerplate text belongs to the canvas it is drawn on; no block, record or database column is involved.
click node:Forms/ORDERS/Canvases/CANVAS1/Graphics/BOILERPLATE1

step 'Modifying Properties' at 330 150 arrow U
> Like every object, boilerplate text has properties. The Property Palette opens from the Tools menu.
pick Tools/Property Palette
window palette 300 63 340 397

step 'Modifying Properties' at 40 250 arrow R
> Name is BOILERPLATE1. Code rarely refers to boilerplate text, so the name the designer gave it can stay.
click val:Name

step 'Modifying Properties' at 40 250 arrow R
> Graphics Type reads Text. Boilerplate text is one of the graphics of a canvas, together with lines, rectangles and frames.
click val:Graphics Type

step 'Modifying Properties' at 40 250 arrow R
> The Text property holds the words shown on the canvas: Amount Due. Correct the wording here or on the canvas itself, whichever is quicker.
prop Text = Amount Due
click val:Text

step 'Modifying Properties' at 40 250 arrow R
> Horizontal Justification lines the text up inside its rectangle: Left, Center or Right.
click prop:Horizontal Justification

step 'Modifying Properties' at 40 250
> A label beside a field reads best when it ends close to the field, so a double click sets the value to Right.
dclick val:Horizontal Justification
prop Horizontal Justification = Right

step 'Modifying Properties' at 40 250 arrow R
> Vertical Justification does the same from top to bottom. Center keeps the label level with the text of TOTAL_DUE.
click val:Vertical Justification

step 'Modifying Properties' at 40 250
> Another double click steps the value from Top to Center.
dclick val:Vertical Justification
prop Vertical Justification = Center

step 'Modifying Properties' at 40 250 arrow R
> Wrap Text set to Yes breaks a long text into lines at the edge of its rectangle. A two-word label fits on one line, so it can stay as it is.
click val:Wrap Text

step 'Modifying Properties' at 40 250 arrow L
> Boilerplate text has the font properties you met in Lesson 9. Font Weight set to Bold makes the label match the bold amount.
click prop:Font Weight

step 'Modifying Properties' at 40 250 arrow R
> A double click on the value steps it from Medium to Bold.
dclick val:Font Weight
prop Font Weight = Bold

step 'Modifying Properties' at 40 250 arrow R
> Foreground Color colours the letters. Double-click its value to pick a colour.
dclick val:Foreground Color
show colors
rows Colors = black | white | darkblue | darkred | green | lightyellow | gray

step 'Modifying Properties' at 40 300 arrow L
> darkblue, the colour of the amount, makes label and field read as a pair.
click row:Colors/darkblue
click btn:OK
hide
prop Foreground Color = darkblue

step 'Modifying Properties' at 40 250 arrow NW
> Edge Pattern draws a border around the text. Left empty, the label has no border at all.
click val:Edge Pattern

step 'Modifying Properties' at 40 250 arrow R
> X Position and Y Position place the top-left corner of the text on the canvas; Width and Height give the size of its rectangle. The values are those of the click you made.
click val:X Position

step 'Modifying Properties' at 40 250 arrow R
> Bevel gives the text a raised or lowered edge. None, the usual choice for a label, is already set.
click val:Bevel

step 'Modifying Properties/Second Text' at 330 150
> The Window menu takes you back to the Layout Editor to draw one more piece of text: a heading for the order totals, which will be listed below the amount.
pick Window/3 Layout Editor
front layout

step 'Modifying Properties/Second Text' at 120 200
> Choose the Text tool again.
click tool:Text

step 'Modifying Properties/Second Text' at 330 200 arrow D
> A click below the fields places the heading.
click canvas@20,160
item BOILERPLATE2 text 20 160 80 16 |
selitem BOILERPLATE2
focus item:BOILERPLATE2

step 'Modifying Properties/Second Text' at 330 200
> Type the heading, starting with Order.
type Order{Space}

step 'Modifying Properties/Second Text' at 330 200 169 131
> Then the word totals.
type totals
focus

step 'Modifying Properties/Second Text' at 330 125 arrow SW
> Click outside to finish it.
click canvas@300,260
selitem
tool Select

step 'Modifying Properties/Second Text' at 330 200 arrow D
> The heading stands too close to TOTAL_DUE. Drag it down like any other object to leave a clear gap.
drag item:BOILERPLATE2 => canvas@60,178
item BOILERPLATE2 text 20 170 80 16 Order totals

step 'Interface Objects - Boilerplate text' at 215 177 300 160
> Boilerplate text belongs to a canvas and takes no part in queries or saving. Use it for labels, headings and short instructions.
pick File/Save

step 'Interface Objects - Boilerplate text' at 215 177 300 160
> Recap: you drew boilerplate text and set its font, colour and place. Next lesson: text items, the fields the user types into.
down item:BOILERPLATE2
