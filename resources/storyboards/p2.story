# Lesson 2: Main Menu
# The commands of the File, Edit, View, Navigator, Program and Tools menus,
# each opened from the menu bar and tried on a new form module.
part p2
starts-elsewhere a new session of the designer, which opens with the empty module MODULE1

caption Form Designer - [MODULE1]
window navigator 0 63 640 397
node Forms/MODULE1 : module
expand Forms
select Forms/MODULE1
status Ready

step 'Main Menu'
> The designer has just started, with one empty module, MODULE1. Its menu bar holds every command; this lesson opens the File, Edit, View, Navigator, Program and Tools menus in turn.
nc title -311,-9
up title -311,-9

step 'File' arrow U 38 4
> The File menu works on whole modules: it creates, opens, saves and closes them. New opens a small menu of the kinds of module you can create.
nc menu:File
up menu:File/New

step 'File/New' arrow R
> Choose Form to start a new, empty form module.
click menu:File/New/Form
node Forms/MODULE2 : module
select Forms/MODULE2
caption Form Designer - [MODULE2]
click node:Forms/MODULE2

step 'File/New' arrow D
> The new module, MODULE2, appears in the Object Navigator beside the first one. Expanding it shows the empty groups that you fill while you build the form.
click node+:Forms/MODULE2

nc menu:File
step 'File/Connect' at 224 172 arrow L
> It allows you to connect to a database.
up menu:File/Connect...
show connect

step 'File/Connect' at 215 225 arrow R
> The Connect dialog asks for your user name, your password and the name of the database. The data block wizard and the compiler need this connection to read tables.
click fld:User Name
click fld:Password
click fld:Database

step 'File/Connect' at 215 110
> Cancel closes the dialog without connecting. You will connect for real when you build your first form in Lesson 3.
click btn:Cancel
hide

nc menu:File
step 'File/Save'
> Save As stores the module in a file under a new name. Save, just above it, stores it again under the name it already has.
up menu:File/Save As...
show saveas
rows Folders and files = forms | menus | libraries | reports
set File name = module2.fdes
set Save as type = Form designs (*.fdes)
click row:Folders and files/forms
click btn:Cancel
hide

step 'Edit' arrow NW
> The Edit menu holds Undo, Cut, Copy and Paste for the objects you select, and Preferences, where you set how the designer itself behaves.
nc menu:Edit
click menu:Edit/Preferences...
show preferences
check Generate Before Running
set Color Palette = default
set Color Mode = Read Only - Shared
click tab:Access
click tab:Runtime
click tab:Wizards
click tab:General

step 'Edit' at 215 185 arrow L
> The tabs group the preferences. Save Before Building, ticked and unticked here, stores the module at each compile; Cancel keeps the old settings.
click chk:Save Before Building
click chk:Save Before Building
click btn:Cancel
hide

step 'View'
> The View menu opens the design windows: the Object Navigator, the Property Palette, the Layout Editor and the Tarnic Editor. It also switches rulers and the grid.
nc menu:View
up menu:View/Property Palette
window palette 320 63 320 397
click prop:Console Window
click prop:Menu Module
click prop:Menu Source
click win:palette.close
close palette

step 'Navigator' arrow D
> The Navigator menu works on the tree of the Object Navigator: it expands and collapses nodes and creates and deletes objects. Its commands act on the node you selected.
click node:Forms/MODULE2/Blocks
nc menu:Navigator
up menu:Navigator/Create
show newblock
click opt:Build a new data block manually
click btn:OK
hide
node Forms/MODULE2/Blocks/BLOCK1 : block
expand Forms/MODULE2/Blocks
select Forms/MODULE2/Blocks/BLOCK1
click node+:Forms/MODULE2/Blocks/BLOCK1
nc menu:Navigator
up menu:Navigator/Collapse All
collapse Forms/MODULE2/Blocks/BLOCK1
collapse Forms/MODULE2/Blocks
collapse Forms/MODULE2

step 'Program' arrow R
> The Program menu compiles and runs the form and opens the Tarnic Editor, where you write the code of triggers.
nc menu:Program
up menu:Program/Compile
show compiled
click btn:OK
hide

step 'Program' arrow R
> Quick Triggers lists the triggers that suit the selected object, so you can add one with a single choice.
nc menu:Program
up menu:Program/Quick Triggers
click menu:Program/Quick Triggers/Before Query
node Forms/MODULE2/Blocks/BLOCK1/Triggers/Before Query : trigger
window editor 40 90 560 300
edtitle BLOCK1: Before Query
focus ed:text
click ed:Close
close editor
focus

step 'Tools'
> The Tools menu starts the wizards, which build blocks, layouts and lists of values for you, and opens the Layout Editor and the Property Palette.
nc menu:Tools
up menu:Tools/Data Block Wizard...
show blockwelcome
click btn:Next >
swap blocktype
click btn:Cancel
hide

step 'Tools'
> The Layout Editor on the Tools menu is where you draw the form. Recap: the six menus of the designer. Next lesson: your first form.
nc menu:Tools
up menu:Tools/Layout Editor
window layout 0 63 640 397
click tool:Text Item
down canvas@140,60
item TEXT_ITEM1 textitem 140 60 100 18
selitem TEXT_ITEM1
click tool:Button
click tool:Select
click win:layout.close
close layout
