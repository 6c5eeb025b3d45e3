# Lesson 13: Interface Objects - List items (part 2)
# The properties of a list item: List Style with its three styles, Mapping
# of Other Values, Data Type, Initial Value, Required and Database Item.
part p13a

caption Form Designer - [ORDERS]
node Forms/ORDERS : module
expand Forms
expand Forms/ORDERS
node Forms/ORDERS/Blocks/ORDERS : block
expand Forms/ORDERS/Blocks
expand Forms/ORDERS/Blocks/ORDERS
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_ID : item
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_DATE : item
node Forms/ORDERS/Blocks/ORDERS/Items/CUSTOMER_ID : item
node Forms/ORDERS/Blocks/ORDERS/Items/TOTAL_DUE : item
node Forms/ORDERS/Blocks/ORDERS/Items/DISC_PCT : item
node Forms/ORDERS/Blocks/ORDERS/Items/TAX_PCT : item
node Forms/ORDERS/Blocks/ORDERS/Items/NET_TOTAL : item
node Forms/ORDERS/Blocks/ORDERS/Items/PUSH_BUTTON1 : button
node Forms/ORDERS/Blocks/ORDERS/Items/PUSH_BUTTON1/Triggers/On Press : trigger
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_STATUS : list
expand Forms/ORDERS/Blocks/ORDERS/Items
node Forms/ORDERS/Canvases/CANVAS1 : canvas
node Forms/ORDERS/Canvases/CANVAS1/Graphics/BOILERPLATE1 : text
node Forms/ORDERS/Windows/WINDOW1 : window
node Forms/ORDERS/Visual Attributes/HIGHLIGHT : attribute
select Forms/ORDERS/Blocks/ORDERS/Items/ORDER_STATUS
prop Elements in List = Pending, Shipped, Cancelled
prop Initial Value = P
prop Width = 120
window palette 0 63 300 397
window layout 0 63 640 397
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
item ORDER_STATUS list 400 28 120 18
status Ready

down item:ORDER_STATUS

step 'Properties' at 180 260
> Now the properties that only list items have, tried on the ORDER_STATUS list of the ORDERS form. Selecting the list on the canvas makes it the object the Property Palette shows.
up item:ORDER_STATUS

step 'Properties' at 215 240 arrow U
> The palette lies behind the Layout Editor. Click its title bar to bring it to the front.
nc win:palette
front palette

step 'Properties/List Style' at 20 240 arrow L
> List Style sets how the list looks: a poplist drops open from one line, a Tlist shows several rows, a combo box also lets the user type a value.
click prop:List Style

step 'Properties/List Style' at 20 240 arrow R
> Set List Style to Tlist.
down val:List Style
droplist Poplist | Tlist | Combo Box = Tlist
up val:List Style
prop List Style = Tlist
droplist
item ORDER_STATUS textitem 400 28 120 52

step 'Properties/List Style' at 20 300 arrow NW
> On the canvas the item is now a box tall enough for its three elements; the user clicks the element they want inside it.
click item:ORDER_STATUS

step 'Properties/List Style' at 20 240 arrow R
> Combo Box gives the list a text field again. Choose it where the user may need a value that no element offers.
down val:List Style
droplist Poplist | Tlist | Combo Box = Combo Box
up val:List Style
prop List Style = Combo Box
droplist
item ORDER_STATUS list 400 28 120 18

step 'Properties/List Style' at 20 240 arrow R
> An order can only be Pending, Shipped or Cancelled, so set the style back to Poplist.
down val:List Style
droplist Poplist | Tlist | Combo Box = Poplist
up val:List Style
prop List Style = Poplist
droplist

step 'Properties/Elements in List' at 20 240 arrow D
> Elements in List keeps the labels and values entered in the first part. They are the only values a poplist or a Tlist can give the item.
click prop:Elements in List

step 'Properties/Mapping of Other Values' at 20 240 arrow L
> Mapping of Other Values names the element under which a fetched value that matches no element is shown, such as an old code X.
click prop:Mapping of Other Values

step 'Properties/Mapping of Other Values' at 20 240 arrow R
> Set it to P, so that any unknown status appears as Pending.
click val:Mapping of Other Values
prop Mapping of Other Values = P

step 'Properties/Data Type' at 20 310 arrow R val:Data Type
> Data Type must suit the values of the elements. The codes P, S and C are characters, so Char is right; a list of numbers would need Number.
click prop:Data Type

step 'Properties/Initial Value' at 90 310
> Initial Value is P. It must be the value of an element, or be covered by Mapping of Other Values, or the form reports an error on every new record.
click prop:Initial Value

step 'Properties/Required' at 20 140
> Required is No. Set to Yes, a poplist offers no empty line, so every order is saved with a status.
click prop:Required

step 'Properties/Database Item' at 100 155 arrow D
> Database Item is Yes: the chosen value is stored in the ORDER_STATUS column of the ORDERS table when the record is saved.
click prop:Database Item

step 'Properties' at 215 240
> Run the form to check the list with its new settings.
nc menu:Program
up menu:Program/Run Form
window runtime 40 90 560 300
item ORDER_STATUS list 400 28 120 18 Pending
click run:ORDER_STATUS
click win:runtime.close
close runtime
item ORDER_STATUS list 400 28 120 18

step 'Properties' at 215 240
> The poplist shows Pending on a new order; save the form. Recap: a list item and its properties. Next lesson: radio buttons and groups.
nc menu:File
up menu:File/Save
click item:ORDER_STATUS
click item:ORDER_STATUS
click item:ORDER_STATUS
