# Lesson 7: Blocks
# The ORDERS data block: its place in the navigator and its properties for
# navigation, records, the data source and the allowed operations.
part p7

caption Form Designer - [ORDERS]
window navigator 0 63 300 397
node Forms/ORDERS : module
expand Forms
node Forms/ORDERS/Blocks/ORDERS : block
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_ID : item
node Forms/ORDERS/Blocks/ORDERS/Items/ORDER_DATE : item
node Forms/ORDERS/Blocks/ORDERS/Items/CUSTOMER_ID : item
node Forms/ORDERS/Blocks/ORDERS/Items/STATUS : item
node Forms/ORDERS/Blocks/ORDERS/Items/TOTAL : item
node Forms/ORDERS/Canvases/CANVAS1 : canvas
node Forms/ORDERS/Canvases/CANVAS2 : canvas
node Forms/ORDERS/Windows/WINDOW1 : window
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
expand Forms/ORDERS
select Forms/ORDERS/Blocks/ORDERS
prop Query Data Source Name = ORDERS
select Forms/ORDERS
status Connected to course as student

step 'Blocks'
> A block groups the items of a form. A data block is tied to a table, so each record of the block is a row of that table; the ORDERS form has one such block. Expand the Blocks node to see it.
click node+:Forms/ORDERS/Blocks

step 'Blocks' arrow L
> Select the ORDERS block. It was built by the Data Block Wizard and takes its name from its table.
click node:Forms/ORDERS/Blocks/ORDERS

step 'Blocks' arrow L
> A block holds three groups of its own: Triggers, Items and Relations. Relations link a master block to a detail block.
click node+:Forms/ORDERS/Blocks/ORDERS

step 'Blocks' arrow L
> The Items group lists the five items of the block, one for each column of ORDERS.
click node+:Forms/ORDERS/Blocks/ORDERS/Items
select Forms/ORDERS/Blocks/ORDERS

step 'Properties' arrow U
> With the block selected, open the Tools menu to reach its properties.
nc menu:Tools

step 'Properties' arrow L
> Choose Property Palette to list the properties of the ORDERS block.
up menu:Tools/Property Palette
window palette 300 63 340 397

step 'Properties' arrow R
> Name identifies the block in the navigator and in code, where an item is written as ORDERS.STATUS.
click prop:Name

step 'Properties'
> Navigation Style says where the cursor goes after the last item of a record. Same Record returns to the first item, Change Record moves to the next record and Change Block moves to the next block.
click prop:Navigation Style

step 'Properties' at 30 300 arrow R
> Previous Navigation Block and Next Navigation Block set the order in which the user moves between blocks. Left empty, they follow the order of the blocks in the navigator.
click prop:Next Navigation Block

step 'Properties' at 30 300 arrow R
> Query Array Size is the number of rows fetched from the database in one trip. Zero lets the designer choose.
click prop:Query Array Size

step 'Properties' at 30 300
> Number of Records Buffered sets how many fetched records are kept in memory before the rest are written to a temporary file.
click prop:Number of Records Buffered

step 'Properties' at 30 300 arrow R
> Number of Records Displayed is how many records the block shows at the same time. Click its value and type 5 to see five orders at once when the form runs.
click val:Number of Records Displayed
type 5

step 'Properties' at 30 300
> Query All Records set to Yes fetches every matching row at once instead of a screenful at a time. Keep No for large tables.
click prop:Query All Records

step 'Properties' at 30 300 arrow R
> Record Orientation decides whether the records are stacked one below the other, which is Vertical, or placed side by side.
click prop:Record Orientation

step 'Properties' at 30 300
> Single Record marks a block that can only ever hold one record, such as a block of totals.
click prop:Single Record

step 'Properties' at 30 300 arrow D
> Database Data Block is Yes because ORDERS is based on a table, so the form queries and saves its rows for you. A block set to No is a control block.
click prop:Database Data Block

step 'Properties' at 215 140 arrow R
> Enforce Primary Key stops the user from saving two orders with the same key.
click prop:Enforce Primary Key

step 'Properties' at 215 170
> Query Allowed lets the user search for records in the block. Set it to No for a block that should only accept new data.
click prop:Query Allowed

step 'Properties' at 215 170 arrow R
> Query Data Source Type is Table: the block reads its records directly from a table. It could also be a procedure or a query.
click prop:Query Data Source Type

step 'Properties' arrow R
> Query Data Source Name names that table, ORDERS.
click prop:Query Data Source Name

step 'Properties' at 215 160 arrow D
> WHERE Clause limits the rows the block fetches, for instance to the orders of one customer. Left empty, every row of the table can be queried.
click prop:WHERE Clause

step 'Properties' arrow R
> ORDER BY Clause sorts the fetched records. Click its value to sort the orders by date.
click val:ORDER BY Clause

step 'Properties'
> Type the column name order_date and press Enter. The oldest orders now come first.
type order_date{Enter}
scroll palette 6

step 'Properties' at 30 300 arrow SW
> The palette scrolls to the next group. Insert Allowed lets the user add new orders to the block.
click prop:Insert Allowed

step 'Properties' at 215 170
> Update Allowed and Delete Allowed control changing and removing existing orders. Setting one to No protects the data from that operation.
click prop:Update Allowed
click prop:Delete Allowed

step 'Properties' arrow R
> Locking Mode Automatic locks a row as soon as the user starts to change it, so two users cannot change the same order at once.
click prop:Locking Mode

step 'Properties'
> Key Mode tells the designer how to find a row again when it is updated. Automatic suits almost every table.
click prop:Key Mode

step 'Properties' arrow SE
> Show Scroll Bar adds a scroll bar beside the records, which is useful now that the block shows five of them.
click prop:Show Scroll Bar
scroll palette 0

step 'Properties' arrow NW
> Back at the top of the palette, Comment holds a note for other designers. Click its value.
click val:Comment

step 'Properties'
> Type All Orders as a short description of the block.
type All Orders

step 'Blocks' at 330 310 arrow L
> Clicking an item in the navigator shows how the palette changes: it now lists the properties of ORDER_ID, an item, not of the block.
click node:Forms/ORDERS/Blocks/ORDERS/Items/ORDER_ID
click node:Forms/ORDERS/Blocks/ORDERS

step 'Blocks' arrow U
> The Navigator menu can open every node below the selected block at once.
nc menu:Navigator

step 'Blocks'
> Expand All shows the triggers, items and relations of ORDERS in one view.
up menu:Navigator/Expand All
expand Forms/ORDERS/Blocks/ORDERS/Triggers
expand Forms/ORDERS/Blocks/ORDERS/Relations

step 'Blocks' arrow L
> A block built by the Data Block Wizard can be changed by the wizard again. With the block selected, choose Data Block Wizard from the Tools menu.
nc menu:Tools
up menu:Tools/Data Block Wizard...
show blocktable
set Table or View = ORDERS
rows Database Items = ORDER_ID | ORDER_DATE | CUSTOMER_ID | STATUS | TOTAL

step 'Blocks' at 110 2 346 96 arrow D
> The wizard opens on the page of the table and its columns, ready to add or remove items. No change is needed now, so press Cancel.
click btn:Cancel
hide

step 'Blocks'
> Compile the module to check the new property values.
nc menu:Program

step 'Blocks' arrow R
> Choose Compile from the Program menu to compile ORDERS with its new block settings.
up menu:Program/Compile
show compiled

step 'Blocks' at 20 310
> Recap: block properties set navigation, how many records it fetches and shows, its table, order and allowed operations. Next lesson: items.
click btn:OK
hide
