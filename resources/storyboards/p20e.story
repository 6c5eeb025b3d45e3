# Lesson 20, part 7: Total Field to display with 2 decimals always
# The TOTAL item of the control block shows the sum of the customer's
# orders; its format mask keeps two decimals on screen.
part p20e

caption Form Designer - [ORDERS_FORM]
window navigator 0 63 250 397
node Forms/ORDERS_FORM : module
expand Forms
expand Forms/ORDERS_FORM
node Forms/ORDERS_FORM/Blocks/CONTROL : block
node Forms/ORDERS_FORM/Blocks/CONTROL/Items/TOTAL : item
node Forms/ORDERS_FORM/Blocks/ORDERS : block
node Forms/ORDERS_FORM/Blocks/ORDERS/Items/AMOUNT : item
select Forms/ORDERS_FORM/Blocks/CONTROL/Items/TOTAL
prop Data Type = Number
prop Format Mask = 999,990.00
prop Maximum Length = 10
prop Database Item = No
prop Width = 80
window layout 0 63 640 397
canvas CANVAS1 540 340
item CUSTOMER_ID textitem 90 20 70 18
item CUSTOMER_NAME textitem 170 20 150 18
item FIND button 90 50 60 20 Find
item ORDER_ID textitem 20 110 60 18
item ORDER_DATE textitem 90 110 80 18
item AMOUNT textitem 180 110 80 18
item TOTAL_PROMPT text 100 252 70 16 Total
item TOTAL textitem 180 250 80 18 1,250.00

click item:TOTAL
nc menu:Tools
up menu:Tools/Property Palette
window palette 330 63 310 397
scroll palette 8
click prop:Data Type

step 'Total Field' at 20 300 arrow NE
> The format mask 999,990.00 makes the total always show two decimals, even for whole amounts, with a comma between the thousands; Data Type Number and Database Item No tell the form that the item holds a computed number that no table column stores.
click prop:Format Mask
click prop:Maximum Length
click prop:Database Item
click win:layout
click item:AMOUNT
click item:TOTAL
nc menu:File
up menu:File/Save
