# Lesson 4, second part: Actions on Form
# The same cycle again, this time with the toolbar buttons and the design
# preferences that save and generate for you; then the module is closed,
# opened again from its file and run once more.
part p4a

caption Form Designer - [ORDERS]
window navigator 0 63 250 397
node Forms/ORDERS : module
expand Forms
node Forms/ORDERS/Blocks/ORDERS : block
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_ID : item
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_DATE : item
node Forms/ORDERS/Blocks/ORDERS/Items/CUSTOMER_ID : item
node Forms/ORDERS/Blocks/ORDERS/Items/STATUS : item
node Forms/ORDERS/Blocks/ORDERS/Items/TOTAL : item
node Forms/ORDERS/Canvases/CANVAS1 : canvas
node Forms/ORDERS/Windows/WINDOW1 : window
expand Forms/ORDERS
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

click win:navigator
front navigator
click node:Forms/ORDERS

step 'Actions on Form'
> Saving, compiling, generating and running are so frequent that the designer offers shorter ways to do each of them.
click node+:Forms/ORDERS/Blocks
click node+:Forms/ORDERS/Blocks/ORDERS
click node+:Forms/ORDERS/Blocks/ORDERS/Items
click node:Forms/ORDERS/Blocks/ORDERS/Items/STATUS

step 'Save' arrow U
> The Save button on the toolbar stores the module in orders.fdes at once. Because the module already has a file, no dialog appears; only the status line confirms the save.
click tb:Save
status Module saved to orders.fdes

step 'Save' arrow L
> The preferences can take some of this work off your hands. Open Preferences from the Edit menu.
nc menu:Edit
up menu:Edit/Preferences...
show preferences

step 'Save' at 305 5 340 100 arrow R
> With Save Before Building checked, every compile also saves the module, so the file on disk never falls behind what you see.
click chk:Save Before Building
check Save Before Building

step 'Generate' at 160 5 340 100 arrow R
> Generate Before Running means you never run an old frun file by mistake: each run first generates a fresh one.
click chk:Generate Before Running

step 'Run' at 275 5 340 100 arrow D
> Run Modules Asynchronously lets you go on working in the designer while the form is running. The tabs above hold the remaining preferences; Runtime is the one that affects how the form is run.
click chk:Run Modules Asynchronously
click tab:Runtime
click tab:Access
click tab:General
click btn:OK
hide

step 'Compile'
> The Compile button is next to Run on the toolbar. With the new preference it saves the module as well, and the message confirms a clean compile.
click tb:Compile
show compiled
click btn:OK
hide
status Module saved to orders.fdes

step 'Generate' arrow NW
> Generate is also on the Program menu, beside Compile and Run Form. It writes orders.frun without running the form.
nc menu:Program
up menu:Program/Generate
status Generated orders.frun

step 'Run' arrow R
> Run on the toolbar is the quickest test of all: with Generate Before Running checked, a single click generates and starts the form.
click tb:Run
window runtime 60 100 400 260

step 'Run' at 420 200 arrow R
> Clicking an item of the running form puts the cursor in it. The pointer visits all five, from ORDER_ID to TOTAL, each ready for a value.
click run:ORDER_ID
click run:ORDER_DATE
click run:CUSTOMER_ID
click run:STATUS
click run:TOTAL
click run:ORDER_ID

step 'Run' at 420 200
> The close button of the runtime window ends the test, and the designer becomes active again.
nc win:runtime.close
close runtime

step 'Save' arrow L
> Close on the File menu removes the module from the designer. It is safe now, because every change has been saved in orders.fdes.
nc menu:File
up menu:File/Close
delete Forms/ORDERS
close layout
caption Form Designer
status Ready

step 'Save'
> The navigator no longer lists ORDERS. To continue working on a form, open its file again with Open on the File menu.
click node:Forms
nc menu:File
up menu:File/Open...
show open
rows Folders and files = forms | menus | libraries | reports
set Files of type = Form designs (*.fdes)

step 'Save' at 150 5 340 100 arrow R
> Double-click the forms folder where the module was saved, then choose orders.fdes from the files it holds.
dclick row:Folders and files/forms
rows Folders and files = customers.fdes | orders.fdes | products.fdes
click row:Folders and files/orders.fdes
set File name = orders.fdes

click btn:Open
hide
node Forms/ORDERS : module
node Forms/ORDERS/Blocks/ORDERS : block
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_ID : item
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_DATE : item
node Forms/ORDERS/Blocks/ORDERS/Items/CUSTOMER_ID : item
node Forms/ORDERS/Blocks/ORDERS/Items/STATUS : item
node Forms/ORDERS/Blocks/ORDERS/Items/TOTAL : item
node Forms/ORDERS/Canvases/CANVAS1 : canvas
node Forms/ORDERS/Windows/WINDOW1 : window
caption Form Designer - [ORDERS]
select Forms/ORDERS
step 'Save' at 150 5 340 100
> Open reads the file and the module returns to the navigator exactly as it was saved, with its block, its items and its canvas.
click node+:Forms/ORDERS
click node+:Forms/ORDERS/Canvases
click node:Forms/ORDERS/Canvases/CANVAS1
click node+:Forms/ORDERS/Blocks
click node:Forms/ORDERS/Blocks/ORDERS
click node+:Forms/ORDERS/Blocks/ORDERS
click node+:Forms/ORDERS/Blocks/ORDERS/Items

step 'Run'
> One click on Run proves that the reopened module still works. Because a form is always run from its frun file, the preference generates that file again first.
click tb:Run
window runtime 60 100 400 260

step 'Run' at 420 200 arrow D
> Recap: the toolbar, the Program menu and the preferences shorten save, compile, generate and run. Next lesson: windows.
click run:ORDER_DATE
click run:STATUS
click run:TOTAL
click run:ORDER_ID
click run:CUSTOMER_ID
click run:ORDER_DATE
