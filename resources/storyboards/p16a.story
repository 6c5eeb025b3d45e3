# Lesson 16, part 2: the properties of an image item.
part p16a

caption Form Designer - [EMPLOYEES]
window navigator 0 63 250 397
node Forms/EMPLOYEES : module
node Forms/EMPLOYEES/Blocks/EMP : block
node Forms/EMPLOYEES/Blocks/EMP/Items/PHOTO : image
select Forms/EMPLOYEES/Blocks/EMP/Items/PHOTO
window layout 0 63 640 397
canvas CANVAS1 540 340
item ENAME_PROMPT text 20 30 60 16 Name
item ENAME textitem 90 28 150 18
item JOB_PROMPT text 20 60 60 16 Job
item JOB textitem 90 58 120 18
item PHOTO image 280 24 120 140

click item:PHOTO
nc menu:Tools
up menu:Tools/Property Palette
window palette 330 63 310 397

step 'Image Item Properties' at 20 300 arrow R
> Image Format is the format the picture is stored in when the form saves it to the database.
click prop:Image Format
click val:Image Format

step 'Image Item Properties' at 20 300 arrow SE
> Sizing Style decides what happens when the picture and the item differ in size: Crop cuts off what does not fit, Adjust scales the whole picture into the item.
click prop:Sizing Style
prop Sizing Style = Adjust
click prop:Display Quality
click prop:Compression Quality
click prop:Show Palette
click win:layout
click item:PHOTO

step 'Image Item Properties' at 20 300
> Save the module; the photo item now scales every picture to its own size.
nc menu:File
up menu:File/Save
click item:PHOTO
