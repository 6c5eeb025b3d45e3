# Lesson 14, part 2: the properties of the buttons of a radio group.
part p14a

caption Form Designer - [PAYMENTS]
window navigator 0 63 300 397
window palette 300 63 340 397
node Forms/PAYMENTS : module
expand Forms
expand Forms/PAYMENTS
node Forms/PAYMENTS/Blocks/INVOICE : block
node Forms/PAYMENTS/Blocks/INVOICE/Items/PAY_METHOD : radio
node Forms/PAYMENTS/Blocks/INVOICE/Items/PAY_METHOD/Radio Buttons/CASH : radiobutton
node Forms/PAYMENTS/Blocks/INVOICE/Items/PAY_METHOD/Radio Buttons/CHEQUE : radiobutton
node Forms/PAYMENTS/Blocks/INVOICE/Items/PAY_METHOD/Radio Buttons/CARD : radiobutton
select Forms/PAYMENTS/Blocks/INVOICE/Items/PAY_METHOD/Radio Buttons/CASH
prop Label = Cash
prop Radio Button Value = C
expand Forms/PAYMENTS/Blocks
expand Forms/PAYMENTS/Blocks/INVOICE
expand Forms/PAYMENTS/Blocks/INVOICE/Items
expand Forms/PAYMENTS/Blocks/INVOICE/Items/PAY_METHOD
expand Forms/PAYMENTS/Blocks/INVOICE/Items/PAY_METHOD/Radio Buttons
scroll navigator 2
click node:Forms/PAYMENTS/Blocks/INVOICE/Items/PAY_METHOD/Radio Buttons/CASH
prop Label = Cash
prop Radio Button Value = C

step 'Radio Button Properties'
> Every radio button of the group has its own Label, the text shown beside it, and its own Radio Button Value, the value the group item takes when the user chooses that button.
click node:Forms/PAYMENTS/Blocks/INVOICE/Items/PAY_METHOD/Radio Buttons/CHEQUE
prop Label = Cheque
prop Radio Button Value = Q

step 'Radio Button Properties' arrow SW
> CHEQUE stores Q in PAY_METHOD. The values must differ from button to button, or the group could not tell which one was chosen.
click prop:Radio Button Value
nc menu:File
up menu:File/Save
click node:Forms/PAYMENTS/Blocks/INVOICE/Items/PAY_METHOD/Radio Buttons/CARD
