<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>Analysis Messages</name>
    <message>
        <source>Mortgage Input Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage Input Violation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, this is not a valid date.  <byte value="xd"/>A valid date (or nothing) must be entered to continue.<byte value="xd"/><byte value="xd"/>Do you want to correct your input. (Selecting [No] will clear the field).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, this date is earlier than the start date of the mortgage. You can&apos;t discharge the mortgage before it begins.  Adjust the discharge date accordingly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, this date is later than the end date of the mortgage. You can&apos;t discharge the mortgage after it ends.  Adjust the discharge date accordingly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, value entered in the Interest Rate box must be less than the scenario interest rate (currently set at: %1 %).  If not the bank would owe you money.  Think that will ever happen ? Lower the discharge interest rate.<byte value="xd"/><byte value="xd"/>A valid value (or nothing) must be entered to continue.<byte value="xd"/><byte value="xd"/>Do you want to correct your input. (Selecting [No] will clear the field).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, value entered in the Interest Rate box must be between 1 and 25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error - Discharge date is beyond the end of the mortgage.  Please adjust the discharge date so that it falls within the loan time frame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage Error Trap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code Logic Trap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now in English...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code Warning, record input data scenario, payment changes and discharge input data.<byte value="xd"/><byte value="xd"/>Please report this case, with these inputs, to the program&apos;s developers (see the About box).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, &apos;Total to be refinanced&apos; cannot exceed 500,000.<byte value="xd"/><byte value="xd"/>Total to be refinanced = $ owing on discharge date + Penalty /Costs.<byte value="xd"/>It currently equals: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad Move  #%^$*&amp;&amp;^*<byte value="xd"/><byte value="xd"/>This isn&apos;t saving you any money.  It is all dependant on the discharge interest rate<byte value="xd"/>and the discharge penalty you are being charged.  Check with the bank for an actual <byte value="xd"/>discharge figure.<byte value="xd"/>Keep looking at this if the interest rates are lower than you are now paying.<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caution: make sure the payment increase on the new mortgage won&apos;t cramp your style.<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good Move !!! (on paper that is)<byte value="xd"/><byte value="xd"/>Talk to the bank.  Verify the dishcarge penalty figure and check for any additional<byte value="xd"/>costs regarding terminating and rewritting the mortgage and confirm the saving with them<byte value="xd"/><byte value="xd"/>%1They don&apos;t like doing this, getting the answers is like pulling teeth but it looks like you have<byte value="xd"/>something worth investigating further.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, When solving for both date and interest rate, both are required input.<byte value="xd"/><byte value="xd"/>Please ensure they are filled in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, When Solving for the Date only, you must input an interest rate.<byte value="xd"/><byte value="xd"/>Please input a valid interest rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, When Solving for the Interest Rate only, you must input a discharge date.<byte value="xd"/><byte value="xd"/>Please input a valid discharge date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage Info Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No refinance savings where found.<byte value="xd"/><byte value="xd"/>Look closer at the Early Dishcarge Penalty. It is usually the culprit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error - Discharge date is out of the term of the mortgage.  Please adjust the discharge date so that it falls within the loan time frame.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Calculator Messages</name>
    <message>
        <source>Error, value entered in the mortgage box must be between 1 and 500000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, value entered in the Interest Rate box must be between 1 and 25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, value entered in the Amortizaton box must be between 1 and 35</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, value entered in the Length of Loan box must be between 1 and 35</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, this is not a valid date.  <byte value="xd"/>A valid date (or nothing) must be entered to continue.<byte value="xd"/><byte value="xd"/>Do you want to correct your input. (Selecting [No] will clear the field).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage Error Trap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error - all input boxes for scenario 2 must be completed. Please complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage Input Violation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, Length of loan cannot exceed the Amortization period specified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>A valid value (or nothing) must be entered to continue.<byte value="xd"/><byte value="xd"/>Do you want to correct your input. (Selecting [No] will clear the field).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage Input Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, in the mortgage row, the lower boundary MUST be lower than the upper boundary. Increase the Upper Boundary or decrease the Lower Boundary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, the increment for the mortgage row is too large.  Adding this increment value to the lower boundary exceeds upper boundary. Decrease increment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, in the mortgage row, a lower boundary value MUST be specified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, in the interest rate row, the lower boundary MUST be lower than the upper boundary. Increase the Upper Boundary or decrease the Lower Boundary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, the increment for the interest rate row is too large.  Adding this increment value to the lower boundary exceeds upper boundary. Decrease increment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, in the interest rate row, a lower boundary value MUST be specified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, in the Amortization Period row, the lower boundary MUST be lower than the upper boundary. Increase the Upper Boundary or decrease the Lower Boundary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, the increment for the Amortization Period row is too large.  Adding this increment value to the lower boundary exceeds upper boundary. Decrease increment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, in the Amortization Period row, a lower boundary value MUST be specified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, All paramters must have a lower boundary specified. At least one of the values does not have the Lower Boundary specified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, there are too many lines to display (over 800).  Please reduce some of the ranges or increase some of the increments (or do it in two runs).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate Shopper Input Violation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate Shopper Output Violation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, value entered in the mortgage lower boundary box must be between 1 and 500000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, value entered in the mortgage increment box must be between 1 and 500000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, Check your Payment Amount as it relates to the Payment Frequency.<byte value="xd"/>            These values are relative to each other.  Acceptable values are:<byte value="xd"/><byte value="xd"/>If Payment Frequency = Monthly         Payment Amount Range: 1 to 10000<byte value="xd"/>                                               Weekly                                                            1 to   2500<byte value="xd"/>                                               Twice a Month                                               1 to   5000<byte value="xd"/>                                               Every Two Weeks                                       1 to   5000<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, Solve for Am Period scenario cannot be resolved because<byte value="xd"/>the calculated interest on the mortgage payment exceeds the payment you specified.<byte value="xd"/><byte value="xd"/>Increase the Payment Amount or decrease the Interest Rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, Solve for scenarios cannot be resolved because<byte value="xd"/>the Interest Rate is too small to give any interest.<byte value="xd"/><byte value="xd"/>Increase the Interest Rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, Solve for Mtge Amount scenario cannot be resolved because<byte value="xd"/>the Amortization Period is too long to calculate.<byte value="xd"/><byte value="xd"/>Decrease the Amortization Period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, unresolvable scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Error - out of range. Enter a valid value or delete the contents of the field.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Compare Report</name>
    <message>
        <source>Scenario One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario Two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Am Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of Loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculated Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the Closing Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance Outstanding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$ Paid:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by Regular Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by Lump Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Principle paid to date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest paid to date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gross Saving:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net Saving:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes to Payment and/or Lump Payments Made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario Comparison Study</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Discharge Report</name>
    <message>
        <source>Early Discharge Penalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Mortgage runs from:   %1   until   %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discharge Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Rate :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Rate Differential Calculations:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Future Value Method:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acc. Interest Method:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual Scenario Calculation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three Month Interest Penalty:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applicable Penalty: The GREATER of the Interest Rate Differential and the Three Month Penalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CMHC insured mortgages may only be subject to the Three Month Penalty (not the </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Rate Differential) if the mortgage has been running for three years or more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This form is an estimator.  It seems every bank has their own method of calculating this penalty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The intent of this form is to supply a quick method to estimate the Early Discharge Penalty.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Engine Messages</name>
    <message>
        <source>Mtge Warning - please note...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The extra payment of $ %1 is more than the outstanding balance of: %2 on %3.  The loan is now paid in full and the lump payment has been reduced to pay off the outstanding balance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The extra payment of $ %1 is more than the outstanding balance of: %2 on %3.  The loan is now paid in full and the extra payment has been reduced to pay off the outstanding balance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mtge Error Trap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The payment schedule could not be written to the working folder %1.<byte value="xd"/>The schedule shown is correct, but reports and graphs that read the schedule file will not find it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Estimate Report</name>
    <message>
        <source>Legal Fees (incl. disbursements):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Land Transfer Tax Adjustment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utility Adjustments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Property Tax Adjustments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Property Survey:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appraisal Fee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>House Inspection:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving Expenses:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Insurance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Immediate Repairs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase Deposit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$ from other property sale:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Personal Funds:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimate Amount of Mortgage Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Property Purchase Price:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plus Other Expenses:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Estimate Purchase Cost:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Less:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated Amount to be Mortgaged:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Frequencies</name>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twice a Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every Two Weeks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Graphs</name>
    <message>
        <source>Acc Prin vs. Acc Int</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$ Dollars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acc Prin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acc Int</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining Balance vs. Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$ Owing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Components of Regular Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Crossover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiple points</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>janv.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr.</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil.</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc.</translation>
    </message>
</context>
<context>
    <name>Payment Changes Grid</name>
    <message>
        <source>Pay Num</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change to Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lump  Payment</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Refinance Report</name>
    <message>
        <source>Refinance - Scenario Run Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your current mortgage is set to run from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and is set at the interest rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are considering to refinace your mortgage on:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Mortgage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using the regular payment value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running this mortgage from: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance owing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refinaced Mortgage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$ Owing on refinance date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discharging your mortgage will cost an assumed penalty of:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Expenses:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount to be refinanced:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now if you refinace: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results Comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Mortgage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refinanced Mortgage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment Value used:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost due to a difference in payment value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net Saving:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conclusion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Mortgage if left alone (not refinanced): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refinanced Mortgage: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yields a savings of: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Refinance Search Report</name>
    <message>
        <source>Future Value Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acc. Interest Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculated Discharge Penalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discharge Date only (fixed interest rate)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Rate only (fixed discharge date)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discharge Date and Interest Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begin study at discharge date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Rate Cap:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Costs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CMHC 3 year rule:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IS APPLIED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> IS NOT APPLIED </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discharge Penalty Used:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solving for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Discharge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Bal Fwd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Date    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Rate Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Used </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Used  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Bal Fwd </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of Scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refinace Study - Solve Both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, the search is still running.  Stop it or let it finish before printing the form.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Saving Suggestions</name>
    <message>
        <source>) The current interest rate is lower than the rate you are now paying.  This indicates that you might consider terminating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      your mortgage early, paying the incurred penalty, and then refinancing using the lower rate in an effort to save </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      money in interest charges.  The forms you will use for this study are: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>        Refinance a scenario         - to try the lower interest rate while manipulating the discharge penalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>        Early Discharge Penalty    - to help you estimate the discharge penalty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>                                                               An accurate discharge penalty figure should be attained from your bank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>) Your current payment frequency is not weekly.  Changing to weekly payments may cost more but will save you interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      charges in the long run.  Run a scenario so that you can see the difference switching to this type of payment makes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      You can use the Compare Form to see this impact on a new mortgage (i.e. a mortgage without payment changes)  OR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      You can see the impact on an existing mortgage (switching to weekly payments before it comes due) by using a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      combination of forms with two scenario runs.  This method is explained, step by step, in the example documentation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>) As always, lump payments and increasing your payment always has an effect on your mortgage.  You can see the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      impact of these changes very quickly using the Compare Scenarios form.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      Use &apos;Copy Scenario 1 to 2&apos; button and then enter your &apos;what-if&apos; changes in the payment change section.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      When this is complete press the &apos;Calculate&apos; button and see the impact.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Scenario Messages</name>
    <message>
        <source>Error, value entered in the mortgage box must be between 1 and 500000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, value entered in the Interest Rate box must be between 1 and 25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, value entered in the Amortizaton box must be between 1 and 35</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, value entered in the Length of Loan box must be between 1 and 35</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>A valid date (or nothing) must be entered to continue.<byte value="xd"/><byte value="xd"/>Do you want to correct your input. (Selecting [No] will clear the field).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>A valid value (or nothing) must be entered to continue.<byte value="xd"/><byte value="xd"/>Do you want to correct your input. (Selecting [No] will clear the field).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, this is not a valid date.  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, When the payment frequency is set to Twice a Month,  the loan start date must be set to either the 15th or 30th of the month (as these are the set payment dates for this type of mortgage payment). Your start date is being adjusted, please note this on your input screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Because there are payment changes already entered...<byte value="xd"/><byte value="xd"/>Editing this field will change the time frame of this loan.  <byte value="xd"/>This will require all current payment changes and lump payments to be erased. <byte value="xd"/><byte value="xd"/>Do you want to continue to edit this field ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage Input Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage Input Violation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning - Confirm Data Deletion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, Length of loan cannot exceed the Amortization period specified</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Scenario Reports</name>
    <message>
        <source>Pay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Payment Components</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acc&apos;d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment   Princ  Intrst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage Amount    : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Rate                  : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Am Period (years)     : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Date                  : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of Loan (years) : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculated Payment  : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment Frequency : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snapshot at Date: %1  (payment number: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance Remaining:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$ Paid Out:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Regular Payments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Lump Payments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest Paid to date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Principle Paid to Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra $ Paid out as a result of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>payment changes scheduled by user: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If this mortgage was to continue to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>run, it would be paid off on:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>which is payment number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no outstanding balance to run for this mortgage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has been paid in full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule Payment Changes and Lump Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change to Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lump Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Anniversaries only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year Ends only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condensed Schedule of Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:  Changes to Payments and/or Lump Payments have been processed in the following schedule.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>       They will not be displayed unless they happen to fall on a date reported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:  There are no Changes to Payments or Lump Payments processed in the following schedule.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule of Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>printable, %1 pages to print, resolution: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>printable, %1 pages to print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no changes scheduled therefore 0 pages to print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>printable, 1 page to print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage Print Warning...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning,  It has been requested to print the Payment Changes<byte value="xd"/>and /or Lump Payments.  None are entered.  Printing the Payment Changes is being aborted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Schedule Grid</name>
    <message>
        <source> Pay Num</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Date of     Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Payment     Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Payment     Principle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Payment     Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Acc&apos;d       Principle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Acc&apos;d       Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Lump        Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Change to   Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Remaining    Balance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Shopper Grid</name>
    <message>
        <source> Mortgage      Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Interest        Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Amortiz&apos;n     Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Monthly       Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Weekly        Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every Two     Weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Twice a        Month</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Shopper Report</name>
    <message>
        <source>Mortgage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amortization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Amount </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Rate  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Period  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two Weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment Shopper Results</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Suggestions Report</name>
    <message>
        <source>Suggestion Results</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
