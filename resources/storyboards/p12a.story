# Lesson 12, part 2: the properties that make a push button work.
part p12a

caption Form Designer - [INVOICES]
window navigator 0 63 250 397
node Forms/INVOICES : module
node Forms/INVOICES/Blocks/INVOICE : block
node Forms/INVOICES/Blocks/INVOICE/Items/SAVE_BTN : button
select Forms/INVOICES/Blocks/INVOICE/Items/SAVE_BTN
prop Label = Save
prop Width = 70
window layout 0 63 640 397
canvas CANVAS1 540 340
item INVOICE_NO_PROMPT text 20 30 70 16 Invoice No
item INVOICE_NO textitem 100 28 80 18
item AMOUNT_PROMPT text 20 60 70 16 Amount
item AMOUNT textitem 100 58 90 18
item SAVE_BTN button 100 100 70 22 Save

click item:SAVE_BTN
nc menu:Tools
up menu:Tools/Property Palette
window palette 330 63 310 397

step 'Push Button Properties' at 20 300 arrow R
> Label is the text written on the button. Keep it short and say what the button does.
click prop:Label

step 'Push Button Properties' at 20 300 arrow L
> Iconic set to Yes shows a picture, named by Icon Filename, instead of the label.
click prop:Iconic

step 'Push Button Properties' at 20 300 arrow U
> Default Button set to Yes makes the Enter key press this button from anywhere in the window.
click prop:Default Button

step 'Push Button Properties' at 20 300
> Mouse Navigate and Keyboard Navigable decide whether the cursor moves onto the button when it is clicked or when the user tabs through the items. With both set to No, pressing the button leaves the cursor in the item where it was.
click prop:Mouse Navigate
click prop:Keyboard Navigable
nc menu:File
up menu:File/Save
down item:SAVE_BTN
