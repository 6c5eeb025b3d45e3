# Lesson 16: Data Elements - Image items (part 1)
# An image item for the photo of a product: drawn on the PRODUCTS canvas,
# named, its picture properties explained one by one, given a prompt and
# tried in the running form.
part p16
starts-elsewhere products.fdes is opened: the PRODUCTS form, a second example beside ORDERS

caption Form Designer - [PRODUCTS]
node Forms/PRODUCTS : module
expand Forms
expand Forms/PRODUCTS
node Forms/PRODUCTS/Blocks/PRODUCTS : block
expand Forms/PRODUCTS/Blocks
expand Forms/PRODUCTS/Blocks/PRODUCTS
node Forms/PRODUCTS/Blocks/PRODUCTS/Items/PRODUCT_ID : item
node Forms/PRODUCTS/Blocks/PRODUCTS/Items/DESCRIPTION : item
node Forms/PRODUCTS/Blocks/PRODUCTS/Items/PRICE : item
expand Forms/PRODUCTS/Blocks/PRODUCTS/Items
node Forms/PRODUCTS/Canvases/CANVAS1 : canvas
node Forms/PRODUCTS/Windows/WINDOW1 : window
select Forms/PRODUCTS/Blocks/PRODUCTS
window layout 0 63 640 397
canvas CANVAS1 540 340
item PRODUCT_ID_PROMPT text 20 30 80 16 Product Id
item PRODUCT_ID textitem 110 28 80 18
item DESCRIPTION_PROMPT text 20 60 80 16 Description
item DESCRIPTION textitem 110 58 160 18
item PRICE_PROMPT text 20 90 80 16 Price
item PRICE textitem 110 88 70 18
status Opened products.fdes

step 'Data Elements - Image items'
> An image item shows a picture in the form. This lesson opens products.fdes, a second form, PRODUCTS, which gets a photo of each product.
down tool:Image

step 'Description' at 215 240 arrow L
> The Image tool draws image items. Pick it in the tool palette.
up tool:Image
down canvas@110,130
item IMAGE1 image 110 130 120 100
selitem IMAGE1
node Forms/PRODUCTS/Blocks/PRODUCTS/Items/IMAGE1 : image
select Forms/PRODUCTS/Blocks/PRODUCTS/Items/IMAGE1
tool Select

step 'Description' at 330 240 arrow SE
> Drag a rectangle below the price: the size of the rectangle is the size of the picture frame on the screen.
up canvas@230,230
click item:IMAGE1
click item:PRICE
click item:IMAGE1

step 'Description' at 330 240
> IMAGE1 is drawn as an empty frame. As a database item it reads its picture from a column and saves it with the record; the user only looks at it.
nc menu:Tools
up menu:Tools/Property Palette
window palette 300 63 340 397

step 'Properties' at 20 310 arrow R
> The palette lists the properties of IMAGE1. Click Name and type prod_photo.
click val:Name
type prod_photo{Enter}
rename Forms/PRODUCTS/Blocks/PRODUCTS/Items/IMAGE1 = PROD_PHOTO
prop Name = PROD_PHOTO
item PROD_PHOTO image 110 130 120 100
remove IMAGE1
selitem PROD_PHOTO

step 'Properties/Image Format' at 20 310 arrow L
> Image Format is the format in which the picture is kept in the database column: TIFF here, or one of the others the list offers, such as BMP, GIF or JPEG.
click prop:Image Format

step 'Properties/Image Depth' at 20 310 arrow L
> Image Depth sets the colour depth of the stored picture. Original keeps the depth the picture had when it was read in.
click prop:Image Depth

step 'Properties/Display Quality' at 20 310 arrow R
> Display Quality trades the look of the picture against speed: High draws it best, Low draws it fastest.
click prop:Display Quality

step 'Properties/Compression' at 20 310 arrow R
> Compression Quality decides whether the picture is compressed when it is stored, and how strongly. None keeps every detail and needs the most space.
click prop:Compression Quality

step 'Properties/Sizing Style' at 20 310 arrow R
> Sizing Style says what happens when the picture and the frame differ in size. Crop shows the part of the picture that fits; Adjust scales the whole picture to the frame.
click prop:Sizing Style

step 'Properties/Sizing Style' at 20 310 arrow R
> Product photos come in many sizes, so set Sizing Style to Adjust.
down val:Sizing Style
droplist Crop | Adjust = Adjust
up val:Sizing Style
prop Sizing Style = Adjust
droplist

step 'Properties/Show Palette' at 20 310
> Show Palette set to Yes puts a small tool palette beside the image at run time, with which the user can zoom and move the picture.
click prop:Show Palette
click prop:Displayed
click prop:Enabled

step 'Properties' at 20 310 arrow U
> Widen the frame for photos in landscape format: click Width and type 160.
click val:Width
type 160
item PROD_PHOTO image 110 130 160 100
click prop:Height
click prop:Canvas

step 'Properties' at 20 310
> Database Item is Yes, so the photo is read from the PROD_PHOTO column of the PRODUCTS table with each product.
click prop:Database Item
nc win:layout
front layout

step 'Description' at 330 240 arrow NW
> The wider frame is on the canvas. A prompt tells the user what the picture is: pick the Text tool...
click tool:Text
down canvas@110,112
item BOILERPLATE1 text 110 112 70 16
selitem BOILERPLATE1
tool Select
focus item:BOILERPLATE1

step 'Description' at 330 240
> ...click above the frame and type Photo.
up canvas@110,112
type Photo
click item:BOILERPLATE1
click item:PROD_PHOTO

step 'Description' at 330 240
> Run the form to see the item.
nc menu:Program
up menu:Program/Run Form
window runtime 40 90 560 300

step 'Description' at 330 240 arrow R
> On a new record the image item is empty; it fills with a picture when a product is fetched from the database.
click run:PROD_PHOTO
click run:PRODUCT_ID

step 'Description' at 215 240 arrow D
> Close the running form.
click win:runtime.close
close runtime

step 'Description' at 215 240
> Save the module with Save in the File menu.
nc menu:File

step 'Description' at 215 240
> The next part fetches products with their photos and looks at how the two sizing styles show them.
up menu:File/Save
click item:PROD_PHOTO
