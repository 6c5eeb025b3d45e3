# Lesson 4: Actions on Form
# The ORDERS form of lesson 3 is saved to a file, compiled, generated and
# run, and a new order is typed into the running form.
part p4

caption Form Designer - [MODULE1]
window navigator 0 63 250 397
node Forms/MODULE1 : module
expand Forms
node Forms/MODULE1/Blocks/ORDERS : block
node Forms/MODULE1/Blocks/ORDERS/Items/ORDER_ID : item
node Forms/MODULE1/Blocks/ORDERS/Items/ORDER_DATE : item
node Forms/MODULE1/Blocks/ORDERS/Items/CUSTOMER_ID : item
node Forms/MODULE1/Blocks/ORDERS/Items/STATUS : item
node Forms/MODULE1/Blocks/ORDERS/Items/TOTAL : item
node Forms/MODULE1/Canvases/CANVAS1 : canvas
node Forms/MODULE1/Windows/WINDOW1 : window
expand Forms/MODULE1
select Forms/MODULE1
window layout 250 63 390 397
canvas CANVAS1 540 330
item FRAME1 frame 10 10 250 170 Orders
item ORDER_ID_PROMPT text 24 30 80 16 Order Id
item ORDER_ID textitem 110 28 80 18
item ORDER_DATE_PROMPT text 24 58 80 16 Order Date
item ORDER_DATE textitem 110 56 80 18
item CUSTOMER_ID_PROMPT text 24 86 80 16 Customer Id
item CUSTOMER_ID textitem 110 84 72 18
item STATUS_PROMPT text 24 114 80 16 Status
item STATUS textitem 110 112 80 18
item TOTAL_PROMPT text 24 142 80 16 Total
item TOTAL textitem 110 140 120 18
status Connected to course as student

step 'Actions on Form'
> The ORDERS layout from the last lesson is still open, but so far it exists only in the designer's memory. This lesson saves it, compiles it, generates the file that runs it and then runs it.
click node:Forms/MODULE1

step 'Save' arrow NW
> Save often. The Save button on the toolbar stores the selected module; a module that has never been saved asks for a file name first.
click tb:Save
show saveas
rows Folders and files = forms | menus | libraries | reports
set File name = module1.fdes
set Save as type = Form designs (*.fdes)

step 'Save' at 140 5 346 118 arrow R
> Form modules are kept in files with the extension fdes, as the Save as type box shows. Double-click the forms folder to store the file there.
click fld:Save as type
dclick row:Folders and files/forms

step 'Save' at 140 185 346 118 arrow R
> Replace the temporary name in the File name box with a name that describes the form. The designer adds the fdes extension for you.
click fld:File name
type orders

step 'Save' at 140 5 346 118 arrow L
> Press Save to write the module to orders.fdes.
click btn:Save
hide
rename Forms/MODULE1 = ORDERS
select Forms/ORDERS
caption Form Designer - [ORDERS]
status Module saved to orders.fdes

step 'Save'
> The module now takes its name from the file, ORDERS, both in the navigator and in the title bar. From now on the Save button stores it without asking again.
click node:Forms/ORDERS

step 'Compile'
> Compiling checks the whole module, including the code of its triggers, and reports any error it finds. The command is on the Program menu.
nc menu:Program

step 'Compile' arrow L
> Choose Compile to check the module that is now called ORDERS.
up menu:Program/Compile
show compiled

step 'Compile' at 185 175
> The module compiled without errors. Had there been a mistake, the message would name the object that holds it so you could correct it. Press OK.
click btn:OK
hide

step 'Generate'
> Generating writes an executable form, a file with the extension frun that the runtime reads. It is an administration command of the File menu.
nc menu:File

step 'Generate' arrow L
> Point to Administration to open the menu of commands that produce files from the module.
up menu:File/Administration

step 'Generate' at 255 175 arrow R
> Choose Generate. The designer compiles the module once more and writes orders.frun beside orders.fdes.
down menu:File/Administration/Generate
up menu:File/Administration/Generate
status Generated orders.frun

step 'Generate' at 330 250
> The status line reports that orders.frun was written. Only the frun file is needed to run the form; the fdes file is the one you keep designing in.
click status

step 'Run' arrow U
> The Run button starts the generated form in the runtime, exactly as a user would see it.
click tb:Run
window runtime 60 100 400 260

step 'Run' at 420 200
> The runtime window shows the frame, the prompts and the five empty items of the ORDERS block. Clicking an item puts the cursor in it; here it goes to the first item, ORDER_ID.
click run:ORDER_ID

step 'Run' at 420 200 arrow R
> Click in ORDER_DATE and type the date of a new order. Dates are typed as day, month and year.
click run:ORDER_DATE
type 8-Dec-26

step 'Run' at 420 200 arrow D
> CUSTOMER_ID needs the number of an existing customer. Leave it empty for now: the lessons on lists of values show how to let the user pick a customer from a list instead of typing a number.
click run:CUSTOMER_ID

step 'Run' at 420 200 arrow R
> STATUS records where the order stands. A new order starts as New.
click run:STATUS
type New

step 'Run' at 420 200 arrow SW
> TOTAL is still empty; it will hold the sum of the order lines. Clicking an item only moves the cursor; nothing reaches the database until the record is saved.
click run:TOTAL

step 'Run' at 420 200 arrow D
> The prompts are boilerplate text, not items: clicking one does not move the cursor, which stays in the item where it was.
click run:TOTAL_PROMPT
click run:ORDER_DATE_PROMPT
click run:STATUS

step 'Run' at 330 250 arrow L
> The runtime is an ordinary window. Its close button ends the test run and returns you to the designer.
nc win:runtime.close
close runtime

step 'Run' at 330 250 arrow R
> Back in the designer, the same module is ready for the next change. Each time you change it, save, compile and run it again to see the result.
click item:STATUS

step 'Run' at 210 175
> Save, compile, generate and run: the cycle you repeat for every form. The next part shows quicker ways to reach each of them.
click item:TOTAL
click canvas@300,250
