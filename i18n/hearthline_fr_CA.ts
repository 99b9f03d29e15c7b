<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
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
