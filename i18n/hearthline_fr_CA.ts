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
        <translation type="unfinished">Date</translation>
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
    <name>PrintOut</name>
    <message>
        <source>Mtge Print Error Trap</source>
        <translation>Prêt hyp. - Erreur d&apos;impression</translation>
    </message>
    <message>
        <source>Error - the printer could not print this document.  Check the printer and try again.</source>
        <translation>Erreur - l&apos;imprimante n&apos;a pas pu imprimer ce document.  Vérifiez l&apos;imprimante et réessayez.</translation>
    </message>
    <message>
        <source>Form Print Warning...</source>
        <translation>Avertissement d&apos;impression du formulaire...</translation>
    </message>
    <message>
        <source>Warning - this form cannot be printed on it&apos;s own.<byte value="xd"/>It is printed as a header on all other printable forms.</source>
        <translation>Avertissement - ce formulaire ne peut pas être imprimé seul.<byte value="xd"/>Il est imprimé en en-tête de tous les autres formulaires imprimables.</translation>
    </message>
    <message>
        <source>Warning - this form cannot be printed on it&apos;s own.<byte value="xd"/>This data is contained in other printable forms.</source>
        <translation>Avertissement - ce formulaire ne peut pas être imprimé seul.<byte value="xd"/>Ces données figurent dans d&apos;autres formulaires imprimables.</translation>
    </message>
    <message>
        <source>Error, the form must contain data and have been calculated before it can be printed.</source>
        <translation>Erreur, le formulaire doit contenir des données et avoir été calculé avant de pouvoir être imprimé.</translation>
    </message>
    <message>
        <source>Mtge Print Trap</source>
        <translation>Prêt hyp. - Impression</translation>
    </message>
    <message>
        <source>Mtge - Print Warning Trap</source>
        <translation>Prêt hyp. - Avertissement d&apos;impression</translation>
    </message>
    <message>
        <source>Hearthline - Print Error Trap</source>
        <translation>Hearthline - Erreur d&apos;impression</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Mtge Error Trap</source>
        <translation>Prêt hyp. - Erreur</translation>
    </message>
    <message>
        <source>It stays as %1.</source>
        <translation>Elle reste sous %1.</translation>
    </message>
    <message>
        <source>It was kept as %1.</source>
        <translation>Elle a été conservée sous %1.</translation>
    </message>
    <message>
        <source>Hearthline stopped before the study %1 was saved. Do you want to restore it?</source>
        <translation>Hearthline s&apos;est arrêté avant que l&apos;étude %1 soit enregistrée. Voulez-vous la restaurer&#xa0;?</translation>
    </message>
    <message>
        <source>The unsaved study %1 was not restored.<byte value="xd"/>%2</source>
        <translation>L&apos;étude non enregistrée %1 n&apos;a pas été restaurée.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The recovery copy %1 could not be read as a study.<byte value="xd"/>%2<byte value="xd"/>%3</source>
        <translation>La copie de récupération %1 n&apos;a pas pu être lue comme une étude.<byte value="xd"/>%2<byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>Warning - possible data loss...</source>
        <translation>Avertissement - perte de données possible...</translation>
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
        <translation type="unfinished">Date</translation>
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
        <translation type="unfinished">Changement de versement</translation>
    </message>
    <message>
        <source>Lump Payment</source>
        <translation type="unfinished">Versement forfaitaire</translation>
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
        <translation type="unfinished">Prêt hypothécaire - Avertissement d&apos;impression...</translation>
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
    <name>Startup</name>
    <message>
        <source>The working folder %1 (HEARTHLINE_WORKING_FOLDER) cannot be written to.<byte value="xd"/>This program keeps its working files in %2 instead.</source>
        <translation>Impossible d&apos;écrire dans le dossier de travail %1 (HEARTHLINE_WORKING_FOLDER).<byte value="xd"/>Ce programme garde plutôt ses fichiers de travail dans %2.</translation>
    </message>
    <message>
        <source>Another Hearthline program is already running with its working files in %1.<byte value="xd"/>This program keeps its working files in %2 instead, until it ends, so neither overwrites the other&apos;s.</source>
        <translation>Un autre programme Hearthline fonctionne déjà avec ses fichiers de travail dans %1.<byte value="xd"/>Ce programme garde plutôt ses fichiers de travail dans %2 jusqu&apos;à ce qu&apos;il se termine, pour qu&apos;aucun des deux n&apos;écrase ceux de l&apos;autre.</translation>
    </message>
    <message>
        <source>Mtge Error Trap</source>
        <translation>Prêt hyp. - Erreur</translation>
    </message>
</context>
<context>
    <name>StudyCommands</name>
    <message>
        <source>Mtge Error Trap</source>
        <translation>Prêt hyp. - Erreur</translation>
    </message>
    <message>
        <source>Mtge - Error Trap</source>
        <translation>Prêt hyp. - Erreur</translation>
    </message>
    <message>
        <source>Request for a &apos;New&apos; study was aborted as no valid filename was given the the &apos;Save File&apos; request.</source>
        <translation>La demande d&apos;une nouvelle étude («&#xa0;Nouveau&#xa0;») a été annulée, car aucun nom de fichier valide n&apos;a été donné à la demande «&#xa0;Enregistrer&#xa0;».</translation>
    </message>
    <message>
        <source>The study could not be saved to %1.<byte value="xd"/>Any file of that name was left as it was.</source>
        <translation>L&apos;étude n&apos;a pas pu être enregistrée dans %1.<byte value="xd"/>Tout fichier de ce nom a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The study was saved to %1, but its previous version could not be kept as %2.</source>
        <translation>L&apos;étude a été enregistrée dans %1, mais sa version précédente n&apos;a pas pu être conservée sous %2.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>The file %1 could not be read as a study.<byte value="xd"/>%2<byte value="xd"/>The current study was left as it was.</source>
        <translation>Le fichier %1 n&apos;a pas pu être lu comme une étude.<byte value="xd"/>%2<byte value="xd"/>L&apos;étude en cours a été laissée telle quelle.</translation>
    </message>
    <message>
        <source>Mtg Files (*.mtg)|*.mtg</source>
        <translation>Fichiers Mtg (*.mtg)|*.mtg</translation>
    </message>
    <message>
        <source>Warning - possible data loss...</source>
        <translation>Avertissement - perte de données possible...</translation>
    </message>
    <message>
        <source>Data is not saved.  Do you want to save this study ?</source>
        <translation>Les données ne sont pas enregistrées.  Voulez-vous enregistrer cette étude&#xa0;?</translation>
    </message>
    <message>
        <source>Data is not saved.  Do you want another chance to save this study before it is erased?</source>
        <translation>Les données ne sont pas enregistrées.  Voulez-vous une autre occasion d&apos;enregistrer cette étude avant qu&apos;elle soit effacée&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Suggestions Report</name>
    <message>
        <source>Suggestion Results</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hl::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Hearthline, version 2.0</source>
        <translation>Hearthline, version 2.0</translation>
    </message>
    <message>
        <source>Analysis of Canadian residential mortgages.</source>
        <translation>Analyse des prêts hypothécaires résidentiels canadiens.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>hl::InputForm</name>
    <message>
        <source>Error, a comment cannot hold a double quote (&quot;).  The study file keeps the comment between double quotes.<byte value="xd"/><byte value="xd"/>Please use an apostrophe (&apos;) instead.</source>
        <translation>Erreur, un commentaire ne peut pas contenir de guillemet droit (&quot;).  Le fichier d&apos;étude garde le commentaire entre guillemets droits.<byte value="xd"/><byte value="xd"/>Veuillez plutôt utiliser une apostrophe (&apos;).</translation>
    </message>
    <message>
        <source>Input Profile</source>
        <translation>Profil de saisie</translation>
    </message>
    <message>
        <source>   Mortgage Data Input   </source>
        <translation>   Saisie des données du prêt   </translation>
    </message>
    <message>
        <source>Mortgage Amount:</source>
        <translation>Montant du prêt&#xa0;:</translation>
    </message>
    <message>
        <source>Int. Rate (eg. 11.5):</source>
        <translation>Taux d&apos;int. (ex. 11.5)&#xa0;:</translation>
    </message>
    <message>
        <source>Am. Period (years):</source>
        <translation>Amortissement (ans)&#xa0;:</translation>
    </message>
    <message>
        <source>Length of Loan (years):</source>
        <translation>Durée du terme (ans)&#xa0;:</translation>
    </message>
    <message>
        <source>Start Date (eg. Jan 1 93):</source>
        <translation>Date de début (ex. janv. 1 93)&#xa0;:</translation>
    </message>
    <message>
        <source>Payment Frequency:</source>
        <translation>Fréquence des versements&#xa0;:</translation>
    </message>
    <message>
        <source>Enter / View Payment Changes</source>
        <translation>Saisir / voir les changements</translation>
    </message>
    <message>
        <source>There are payment changes scheduled for this scenario</source>
        <translation>Des changements de versement sont prévus pour ce scénario</translation>
    </message>
    <message>
        <source>Comment (optional): (60 chars max)</source>
        <translation>Commentaire&#xa0;: (facultatif, max. 60)</translation>
    </message>
    <message>
        <source>Note:  This form is designed to input a mortgage scenario to be printed or studied.  It is not intended to accomodate frequent changes or to be used for What-If studies.  There are specific forms for those functions.</source>
        <translation>Remarque&#xa0;:  Ce formulaire sert à saisir un scénario de prêt hypothécaire à imprimer ou à étudier.  Il n&apos;est pas conçu pour des changements fréquents ni pour des études «&#xa0;Et si&#xa0;».  Des formulaires particuliers servent à ces fonctions.</translation>
    </message>
    <message>
        <source>  Calculated values:  </source>
        <translation>  Valeurs calculées&#xa0;:  </translation>
    </message>
    <message>
        <source>Interest Rate Factor:</source>
        <translation>Facteur de taux d&apos;intérêt&#xa0;:</translation>
    </message>
    <message>
        <source>Calculated Payment:</source>
        <translation>Versement calculé&#xa0;:</translation>
    </message>
    <message>
        <source>Flash Load</source>
        <translation>Chargement éclair</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Mtge Error Trap</source>
        <translation>Prêt hyp. - Erreur</translation>
    </message>
    <message>
        <source>Error - Input data is incomplete</source>
        <translation>Erreur - Les données saisies sont incomplètes</translation>
    </message>
</context>
<context>
    <name>hl::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New </source>
        <translation>&amp;Nouveau </translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open R&amp;ecent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Save </source>
        <translation>&amp;Enregistrer </translation>
    </message>
    <message>
        <source>Print &amp;Current Form Only</source>
        <translation>Imprimer le &amp;formulaire actif seulement</translation>
    </message>
    <message>
        <source>&amp;Print Report</source>
        <translation>Im&amp;primer le rapport</translation>
    </message>
    <message>
        <source>Printer Se&amp;tup</source>
        <translation>&amp;Configuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Schedule</source>
        <translation>&amp;Calendrier des versements</translation>
    </message>
    <message>
        <source>S&amp;ummary</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Input Form</source>
        <translation>&amp;Formulaire de saisie</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Solve For...</source>
        <translation>&amp;Résoudre pour...</translation>
    </message>
    <message>
        <source>Mtge &amp;Estimate</source>
        <translation>&amp;Estimation du prêt hyp.</translation>
    </message>
    <message>
        <source>&amp;Payment Shopper</source>
        <translation>&amp;Comparateur de versements</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>A&amp;nalyse</translation>
    </message>
    <message>
        <source>Calc &amp;Early Discharge Penalty</source>
        <translation>Calcul de la &amp;pénalité de remboursement anticipé</translation>
    </message>
    <message>
        <source>&amp;Refinance (Rewrite mtge before maturity)</source>
        <translation>&amp;Refinancement (renégocier le prêt avant l&apos;échéance)</translation>
    </message>
    <message>
        <source>&amp;Run a Scenario</source>
        <translation>&amp;Exécuter un scénario</translation>
    </message>
    <message>
        <source>&amp;Solve for Date and/or Interest Rate</source>
        <translation>Résoudre pour la &amp;date et/ou le taux d&apos;intérêt</translation>
    </message>
    <message>
        <source>&amp;Compare Scenarios</source>
        <translation>&amp;Comparer</translation>
    </message>
    <message>
        <source>$ &amp;Saving Suggestions</source>
        <translation>$ Économie&amp;s</translation>
    </message>
    <message>
        <source> &amp;Help</source>
        <translation> A&amp;ide</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Hearthline - version 2.0</source>
        <translation>Hearthline - version 2.0</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>New </source>
        <translation>Nouveau </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save </source>
        <translation>Enregistrer </translation>
    </message>
    <message>
        <source>Print Current Form Only</source>
        <translation>Imprimer le formulaire actif seulement</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimer le rapport</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Calendrier des versements</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Input Form</source>
        <translation>Formulaire de saisie</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Solve For...</source>
        <translation>Résoudre pour...</translation>
    </message>
    <message>
        <source>Mtge Estimate</source>
        <translation>Estimation du prêt hyp.</translation>
    </message>
    <message>
        <source>Payment Shopper</source>
        <translation>Comparateur de versements</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Calc Early Discharge Penalty</source>
        <translation>Calcul de la pénalité de remboursement anticipé</translation>
    </message>
    <message>
        <source>Refinance (Rewrite mtge before maturity)</source>
        <translation>Refinancement (renégocier le prêt avant l&apos;échéance)</translation>
    </message>
    <message>
        <source>Run a Scenario</source>
        <translation>Exécuter un scénario</translation>
    </message>
    <message>
        <source>Solve for Date and/or Interest Rate</source>
        <translation>Résoudre pour la date et/ou le taux d&apos;intérêt</translation>
    </message>
    <message>
        <source>Compare Scenarios</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>$ Saving Suggestions</source>
        <translation>$ Économies</translation>
    </message>
    <message>
        <source> Help</source>
        <translation> Aide</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Mtge Error Trap</source>
        <translation>Prêt hyp. - Erreur</translation>
    </message>
    <message>
        <source>Error - Input data is incomplete</source>
        <translation>Erreur - Les données saisies sont incomplètes</translation>
    </message>
    <message>
        <source>Mtge Print Error Trap</source>
        <translation>Prêt hyp. - Erreur d&apos;impression</translation>
    </message>
    <message>
        <source>Error - Input data is incomplete.  Complete the input form and try again.</source>
        <translation>Erreur - Les données saisies sont incomplètes.  Remplissez le formulaire de saisie et réessayez.</translation>
    </message>
    <message>
        <source>Mortgage Warning Notice</source>
        <translation>Prêt hypothécaire - Avertissement</translation>
    </message>
    <message>
        <source>Error - there is nothing to copy. Graphs and Schedules are the only items that can be copied to clipboard.</source>
        <translation>Erreur - il n&apos;y a rien à copier. Seuls les graphiques et les calendriers de versements peuvent être copiés dans le presse-papiers.</translation>
    </message>
</context>
<context>
    <name>hl::PaymentChangesViewer</name>
    <message>
        <source>View Payment Changes - Scenario One</source>
        <translation>Changements du scénario un</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payment Change</source>
        <translation>Changement de versement</translation>
    </message>
    <message>
        <source>Lump Payment</source>
        <translation>Versement forfaitaire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>hl::PaymentChangesWindow</name>
    <message>
        <source>All payment changes and lump payments will be erased.  Do you want to do this ?</source>
        <translation>Tous les changements de versement et les versements forfaitaires seront effacés.  Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Warning - Confirm Data Deletion</source>
        <translation>Avertissement - Confirmer la suppression des données</translation>
    </message>
    <message>
        <source>Payment Changes Hint Box</source>
        <translation>Conseils - Changements de versement</translation>
    </message>
    <message>
        <source>This form presents a table of all your scheduled payments.  You can<byte value="xd"/>enter changes to your payment and/or lump payments here.<byte value="xd"/><byte value="xd"/>IMPORTANT !!<byte value="xd"/><byte value="xd"/>To match most banks, any change to a payment is applied BEFORE the regular<byte value="xd"/>payment is processed where any lump payment is deducted AFTER the regular<byte value="xd"/>payment is processed.</source>
        <translation>Ce formulaire présente un tableau de tous vos versements prévus.  Vous pouvez<byte value="xd"/>y saisir les changements de votre versement et/ou des versements forfaitaires.<byte value="xd"/><byte value="xd"/>IMPORTANT&#xa0;!!<byte value="xd"/><byte value="xd"/>Comme dans la plupart des banques, tout changement de versement est appliqué AVANT<byte value="xd"/>le traitement du versement régulier, alors que tout versement forfaitaire est<byte value="xd"/>déduit APRÈS le traitement du versement régulier.</translation>
    </message>
    <message>
        <source>Mortgage Input Violation</source>
        <translation>Prêt hypothécaire - Saisie refusée</translation>
    </message>
    <message>
        <source>Error, the table of payment changes is full: it holds no more than %1 payments with a change or a lump payment.<byte value="xd"/>The value entered for payment %2 (%3) has been cleared.<byte value="xd"/><byte value="xd"/>Clear the values of another payment first to make room for this one.</source>
        <translation>Erreur, le tableau des changements de versement est plein&#xa0;: il ne contient pas plus de %1 versements avec un changement ou un versement forfaitaire.<byte value="xd"/>La valeur saisie pour le versement %2 (%3) a été effacée.<byte value="xd"/><byte value="xd"/>Effacez d&apos;abord les valeurs d&apos;un autre versement pour faire place à celui-ci.</translation>
    </message>
    <message>
        <source>Enter Changes to Payment and/or Lump Payments</source>
        <translation>Saisir les changements de versement et/ou les versements forfaitaires</translation>
    </message>
    <message>
        <source>Changes to Payment AND Lump Payments</source>
        <translation>Changements de versement ET versements forfaitaires</translation>
    </message>
    <message>
        <source>Enter changes in this table:</source>
        <translation>Saisissez les changements dans ce tableau&#xa0;:</translation>
    </message>
    <message>
        <source>Press [RETURN] to end this edit</source>
        <translation>Appuyez sur [ENTRÉE] pour terminer cette modification</translation>
    </message>
    <message>
        <source>To Edit:  Select cell with mouse and enter numbers  OR</source>
        <translation>Pour modifier&#xa0;:  choisissez une cellule avec la souris et tapez les chiffres  OU</translation>
    </message>
    <message>
        <source>                Use mouse and double click a cell</source>
        <translation>                double-cliquez sur une cellule avec la souris</translation>
    </message>
    <message>
        <source>Summary of changes in the Table at left (for reference, read-only)</source>
        <translation>Sommaire des changements du tableau de gauche (pour référence, lecture seule)</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Info - read me</source>
        <translation>Info - à lire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>hl::PaymentGridModel</name>
    <message>
        <source>Pay Num</source>
        <translation>No vers.</translation>
    </message>
    <message>
        <source>Date of Payment</source>
        <translation>Date du versement</translation>
    </message>
    <message>
        <source>Change to Payment</source>
        <translation>Changement de versement</translation>
    </message>
    <message>
        <source>Lump  Payment</source>
        <translation>Versement forfaitaire</translation>
    </message>
</context>
<context>
    <name>hl::PrintControlWindow</name>
    <message>
        <source>Print Forms Control</source>
        <translation>Contrôle de l&apos;impression des formulaires</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Payment Changes</source>
        <translation>Changements de versement</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Calendrier des versements</translation>
    </message>
    <message>
        <source>Summary status</source>
        <translation>État du sommaire</translation>
    </message>
    <message>
        <source>Payment Changes status</source>
        <translation>État des changements de versement</translation>
    </message>
    <message>
        <source>Schedule status</source>
        <translation>État du calendrier des versements</translation>
    </message>
    <message>
        <source>Total pages to print:</source>
        <translation>Total des pages à imprimer&#xa0;:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Print the Checked Forms:</source>
        <translation>Imprimer les formulaires cochés&#xa0;:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État&#xa0;:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Remarques&#xa0;:</translation>
    </message>
    <message>
        <source>All forms that have enough data to be printed are enabled.  Use the check boxes to choose the forms you want to print.</source>
        <translation>Tous les formulaires qui ont assez de données pour être imprimés sont activés.  Utilisez les cases à cocher pour choisir les formulaires à imprimer.</translation>
    </message>
    <message>
        <source>- Refinance studies and graphs can be printed only from their own screens</source>
        <translation>- Les études de refinancement et les graphiques ne peuvent être imprimés qu&apos;à partir de leurs propres écrans</translation>
    </message>
    <message>
        <source>- Schedule is printed with the option selected on the Schedule form (i.e. All     Payments. Year Ends Only or Loan Anniversaries only)</source>
        <translation>- Le calendrier est imprimé selon l&apos;option choisie dans le formulaire du calendrier (c.-à-d. Tous les versements, Fins d&apos;année seulement ou Anniversaires du prêt seulement)</translation>
    </message>
    <message>
        <source>Mortgage Print Warning...</source>
        <translation>Prêt hypothécaire - Avertissement d&apos;impression...</translation>
    </message>
    <message>
        <source>There is nothing to print.  Tick the forms you want to print.</source>
        <translation>Il n&apos;y a rien à imprimer.  Cochez les formulaires que vous voulez imprimer.</translation>
    </message>
    <message>
        <source>Hearthline Report</source>
        <translation>Rapport Hearthline</translation>
    </message>
</context>
<context>
    <name>hl::PrinterSetupDialog</name>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Imprimer dans un fichier (PDF)</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Imprimante&#xa0;:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papier&#xa0;:</translation>
    </message>
    <message>
        <source>Orientation:</source>
        <translation>Orientation&#xa0;:</translation>
    </message>
</context>
<context>
    <name>hl::QtServices</name>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Hearthline Help</source>
        <translation>Aide de Hearthline</translation>
    </message>
    <message>
        <source>The help file %1 cannot be found.</source>
        <translation>Le fichier d&apos;aide %1 est introuvable.</translation>
    </message>
</context>
<context>
    <name>hl::RecentStudiesMenu</name>
    <message>
        <source>Mtge Error Trap</source>
        <translation>Prêt hyp. - Erreur</translation>
    </message>
    <message>
        <source>The study %1 no longer exists.<byte value="xd"/>It was taken off the list of recent studies; the current study was left as it was.</source>
        <translation>L&apos;étude %1 n&apos;existe plus.<byte value="xd"/>Elle a été retirée de la liste des études récentes&#xa0;; l&apos;étude en cours a été laissée telle quelle.</translation>
    </message>
</context>
<context>
    <name>hl::StartupWindow</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Hearthline ,2.0</source>
        <translation>Hearthline ,2.0</translation>
    </message>
    <message>
        <source>This version is designed specifically for Canadian mortgages !!!!</source>
        <translation>Cette version est conçue expressément pour les prêts hypothécaires canadiens&#xa0;!!!!</translation>
    </message>
    <message>
        <source>This program is a personal analysis tool. Its maker takes no responsibility for its use or for the results it gives; check every figure with your lender before you act on it.</source>
        <translation>Ce programme est un outil d&apos;analyse personnel. Son auteur n&apos;assume aucune responsabilité quant à son utilisation ni aux résultats qu&apos;il donne&#xa0;; vérifiez chaque montant auprès de votre prêteur avant d&apos;agir.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>hl::StatusStrip</name>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
</context>
<context>
    <name>hl::StudyKeeper</name>
    <message>
        <source>Open Recent</source>
        <translation>Ouvrir un fichier récent</translation>
    </message>
    <message>
        <source>The recovery copy of the study cannot be written to %1.<byte value="xd"/>Save the study often: a crash would lose what was not saved.</source>
        <translation>La copie de récupération de l&apos;étude ne peut pas être écrite dans %1.<byte value="xd"/>Enregistrez souvent l&apos;étude&#xa0;: un plantage ferait perdre ce qui n&apos;a pas été enregistré.</translation>
    </message>
</context>
<context>
    <name>hl::ToolbarStrip</name>
    <message>
        <source>Open an existing file</source>
        <translation>Ouvrir un fichier existant</translation>
    </message>
    <message>
        <source>Save Study to file</source>
        <translation>Enregistrer l&apos;étude dans un fichier</translation>
    </message>
    <message>
        <source>Print the active form</source>
        <translation>Imprimer le formulaire actif</translation>
    </message>
    <message>
        <source>Display Payment Schedule</source>
        <translation>Afficher le calendrier des versements</translation>
    </message>
    <message>
        <source>Display Summary</source>
        <translation>Afficher le sommaire</translation>
    </message>
    <message>
        <source>What If ? / Compare Scenarios</source>
        <translation>Et si&#xa0;? / Comparer des scénarios</translation>
    </message>
    <message>
        <source>Estimate Mortgage Required</source>
        <translation>Estimer le prêt hypothécaire requis</translation>
    </message>
    <message>
        <source>Payment Shopper</source>
        <translation>Comparateur de versements</translation>
    </message>
    <message>
        <source>Early Discharge</source>
        <translation>Remboursement anticipé</translation>
    </message>
    <message>
        <source>Refinace Solve For Study</source>
        <translation>Refinancement - Résoudre pour la date ou le taux</translation>
    </message>
    <message>
        <source>Exit this program</source>
        <translation>Quitter ce programme</translation>
    </message>
    <message>
        <source>$ Saving Suggestions</source>
        <translation>$ Suggestions d&apos;économies</translation>
    </message>
    <message>
        <source>Toolbar tip</source>
        <translation>Info-bulle de la barre d&apos;outils</translation>
    </message>
</context>
</TS>
