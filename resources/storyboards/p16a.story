# Lesson 16: Data Elements - Image items (part 2)
# The photo frame is resized on the canvas; the palette follows, and Sizing
# Style decides how pictures fit the new frame.
part p16a

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
node Forms/PRODUCTS/Blocks/PRODUCTS/Items/PROD_PHOTO : image
expand Forms/PRODUCTS/Blocks/PRODUCTS/Items
node Forms/PRODUCTS/Canvases/CANVAS1 : canvas
node Forms/PRODUCTS/Windows/WINDOW1 : window
select Forms/PRODUCTS/Blocks/PRODUCTS/Items/PROD_PHOTO
prop Sizing Style = Adjust
prop Width = 160
window layout 0 63 640 397
window palette 400 63 240 397
canvas CANVAS1 540 340
item PRODUCT_ID_PROMPT text 20 30 80 16 Product Id
item PRODUCT_ID textitem 110 28 80 18
item DESCRIPTION_PROMPT text 20 60 80 16 Description
item DESCRIPTION textitem 110 58 160 18
item PRICE_PROMPT text 20 90 80 16 Price
item PRICE textitem 110 88 70 18
item BOILERPLATE1 text 110 112 70 16 Photo
item PROD_PHOTO image 110 130 160 100
status Ready

click item:PROD_PHOTO
selitem PROD_PHOTO

step 'Properties' at 400 310
> An image item can also be sized right on the canvas. With PROD_PHOTO selected, drag the handle at its lower right corner down and to the right; the frame grows as you drag.
down item:PROD_PHOTO +79,+49
item PROD_PHOTO image 110 130 180 120
prop Width = 180
prop Height = 120
up canvas@289,249

step 'Properties' at 400 310 arrow R
> The Property Palette follows the drawing: Width and Height now read 180 and 120.
click prop:Width

click prop:Sizing Style
click prop:Height
nc menu:Program
up menu:Program/Run Form
window runtime 40 90 560 300
step 'Properties/Sizing Style' at 400 310 arrow SE
> The running form shows the photo scaled to the larger frame by Sizing Style Adjust. Recap: image items show pictures. Next: static lists of values.
click run:PROD_PHOTO
click win:runtime.close
close runtime
nc menu:File
up menu:File/Save
click item:PROD_PHOTO
click item:BOILERPLATE1
click item:PROD_PHOTO
