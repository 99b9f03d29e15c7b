<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>Analysis Messages</name>
    <message>
        <source>Mortgage Input Error</source>
        <translation>Erreur de saisie – prêt hypothécaire</translation>
    </message>
    <message>
        <source>Mortgage Input Violation</source>
        <translation>Saisie non conforme – prêt hypothécaire</translation>
    </message>
    <message>
        <source>Error, this is not a valid date.  <byte value="xd"/>A valid date (or nothing) must be entered to continue.<byte value="xd"/><byte value="xd"/>Do you want to correct your input. (Selecting [No] will clear the field).</source>
        <translation>Erreur, cette date n&apos;est pas valide.  <byte value="xd"/>Une date valide (ou rien) doit être entrée pour continuer.<byte value="xd"/><byte value="xd"/>Voulez-vous corriger votre saisie? (Choisir [Non] videra le champ).</translation>
    </message>
    <message>
        <source>Error, this date is earlier than the start date of the mortgage. You can&apos;t discharge the mortgage before it begins.  Adjust the discharge date accordingly.</source>
        <translation>Erreur, cette date précède la date de début du prêt hypothécaire. Vous ne pouvez pas rembourser le prêt avant qu&apos;il commence.  Modifiez la date de remboursement en conséquence.</translation>
    </message>
    <message>
        <source>Error, this date is later than the end date of the mortgage. You can&apos;t discharge the mortgage after it ends.  Adjust the discharge date accordingly.</source>
        <translation>Erreur, cette date suit la date de fin du prêt hypothécaire. Vous ne pouvez pas rembourser le prêt après sa fin.  Modifiez la date de remboursement en conséquence.</translation>
    </message>
    <message>
        <source>Error, value entered in the Interest Rate box must be less than the scenario interest rate (currently set at: %1 %).  If not the bank would owe you money.  Think that will ever happen ? Lower the discharge interest rate.<byte value="xd"/><byte value="xd"/>A valid value (or nothing) must be entered to continue.<byte value="xd"/><byte value="xd"/>Do you want to correct your input. (Selecting [No] will clear the field).</source>
        <translation>Erreur, le taux entré dans la case Taux d&apos;intérêt doit être inférieur au taux d&apos;intérêt du scénario (actuellement&#xa0;: %1&#xa0;%).  Sinon, la banque vous devrait de l&apos;argent.  Croyez-vous que cela arrivera un jour? Baissez le taux d&apos;intérêt de remboursement.<byte value="xd"/><byte value="xd"/>Une valeur valide (ou rien) doit être entrée pour continuer.<byte value="xd"/><byte value="xd"/>Voulez-vous corriger votre saisie? (Choisir [Non] videra le champ).</translation>
    </message>
    <message>
        <source>Error, value entered in the Interest Rate box must be between 1 and 25</source>
        <translation>Erreur, la valeur entrée dans la case Taux d&apos;intérêt doit être comprise entre 1 et 25</translation>
    </message>
    <message>
        <source>Error - Discharge date is beyond the end of the mortgage.  Please adjust the discharge date so that it falls within the loan time frame.</source>
        <translation>Erreur - La date de remboursement dépasse la fin du prêt hypothécaire.  Modifiez la date de remboursement pour qu&apos;elle tombe dans la durée du prêt.</translation>
    </message>
    <message>
        <source>Mortgage Error Trap</source>
        <translation>Erreur interceptée – prêt hypothécaire</translation>
    </message>
    <message>
        <source>Code Logic Trap</source>
        <translation>Erreur de logique interceptée</translation>
    </message>
    <message>
        <source>Now in English...</source>
        <translation>En termes simples...</translation>
    </message>
    <message>
        <source>Code Warning, record input data scenario, payment changes and discharge input data.<byte value="xd"/><byte value="xd"/>Please report this case, with these inputs, to the program&apos;s developers (see the About box).</source>
        <translation>Avertissement du programme, notez les données du scénario, les changements de versement et les données de remboursement.<byte value="xd"/><byte value="xd"/>Veuillez signaler ce cas, avec ces données, aux développeurs du programme (voir la boîte À propos).</translation>
    </message>
    <message>
        <source>Error, &apos;Total to be refinanced&apos; cannot exceed 500,000.<byte value="xd"/><byte value="xd"/>Total to be refinanced = $ owing on discharge date + Penalty /Costs.<byte value="xd"/>It currently equals: %1</source>
        <translation>Erreur, le «&#xa0;Total à refinancer&#xa0;» ne peut dépasser 500 000.<byte value="xd"/><byte value="xd"/>Total à refinancer = $ dus à la date de remboursement + pénalité /frais.<byte value="xd"/>Il est actuellement de&#xa0;: %1</translation>
    </message>
    <message>
        <source>Bad Move  #%^$*&amp;&amp;^*<byte value="xd"/><byte value="xd"/>This isn&apos;t saving you any money.  It is all dependant on the discharge interest rate<byte value="xd"/>and the discharge penalty you are being charged.  Check with the bank for an actual <byte value="xd"/>discharge figure.<byte value="xd"/>Keep looking at this if the interest rates are lower than you are now paying.<byte value="xd"/><byte value="xd"/></source>
        <translation>Mauvaise idée  #%^$*&amp;&amp;^*<byte value="xd"/><byte value="xd"/>Cela ne vous fait rien économiser.  Tout dépend du taux d&apos;intérêt de remboursement<byte value="xd"/>et de la pénalité de remboursement exigée.  Demandez à la banque le montant réel <byte value="xd"/>du remboursement.<byte value="xd"/>Continuez à surveiller si les taux d&apos;intérêt sont plus bas que celui que vous payez.<byte value="xd"/><byte value="xd"/></translation>
    </message>
    <message>
        <source>Caution: make sure the payment increase on the new mortgage won&apos;t cramp your style.<byte value="xd"/><byte value="xd"/></source>
        <translation>Attention&#xa0;: assurez-vous que la hausse du versement du nouveau prêt ne grèvera pas votre budget.<byte value="xd"/><byte value="xd"/></translation>
    </message>
    <message>
        <source>Good Move !!! (on paper that is)<byte value="xd"/><byte value="xd"/>Talk to the bank.  Verify the dishcarge penalty figure and check for any additional<byte value="xd"/>costs regarding terminating and rewritting the mortgage and confirm the saving with them<byte value="xd"/><byte value="xd"/>%1They don&apos;t like doing this, getting the answers is like pulling teeth but it looks like you have<byte value="xd"/>something worth investigating further.</source>
        <translation>Bonne idée !!! (sur papier du moins)<byte value="xd"/><byte value="xd"/>Parlez à la banque.  Vérifiez le montant de la pénalité de remboursement et demandez s&apos;il y a d&apos;autres<byte value="xd"/>frais pour mettre fin au prêt hypothécaire et le renégocier, et faites-leur confirmer l&apos;économie<byte value="xd"/><byte value="xd"/>%1Les banques n&apos;aiment pas le faire, obtenir les réponses est ardu, mais vous semblez avoir<byte value="xd"/>une piste qui mérite d&apos;être creusée.</translation>
    </message>
    <message>
        <source>Error, When solving for both date and interest rate, both are required input.<byte value="xd"/><byte value="xd"/>Please ensure they are filled in.</source>
        <translation>Erreur, pour chercher à la fois la date et le taux d&apos;intérêt, les deux doivent être entrés.<byte value="xd"/><byte value="xd"/>Veuillez les remplir.</translation>
    </message>
    <message>
        <source>Error, When Solving for the Date only, you must input an interest rate.<byte value="xd"/><byte value="xd"/>Please input a valid interest rate.</source>
        <translation>Erreur, pour chercher la date seulement, vous devez entrer un taux d&apos;intérêt.<byte value="xd"/><byte value="xd"/>Veuillez entrer un taux d&apos;intérêt valide.</translation>
    </message>
    <message>
        <source>Error, When Solving for the Interest Rate only, you must input a discharge date.<byte value="xd"/><byte value="xd"/>Please input a valid discharge date.</source>
        <translation>Erreur, pour chercher le taux d&apos;intérêt seulement, vous devez entrer une date de remboursement.<byte value="xd"/><byte value="xd"/>Veuillez entrer une date de remboursement valide.</translation>
    </message>
    <message>
        <source>Mortgage Info Box</source>
        <translation>Information – prêt hypothécaire</translation>
    </message>
    <message>
        <source>No refinance savings where found.<byte value="xd"/><byte value="xd"/>Look closer at the Early Dishcarge Penalty. It is usually the culprit.</source>
        <translation>Aucune économie de refinancement n&apos;a été trouvée.<byte value="xd"/><byte value="xd"/>Examinez de plus près la pénalité de remboursement anticipé. C&apos;est habituellement la coupable.</translation>
    </message>
    <message>
        <source>Error - Discharge date is out of the term of the mortgage.  Please adjust the discharge date so that it falls within the loan time frame.</source>
        <translation>Erreur - La date de remboursement est hors du terme du prêt hypothécaire.  Modifiez la date de remboursement pour qu&apos;elle tombe dans la durée du prêt.</translation>
    </message>
    <message>
        <source>Error, the amount must be from 0 to %1 dollars.<byte value="xd"/><byte value="xd"/>Do you want to correct your input. (Selecting [No] will clear the field).</source>
        <translation>Erreur, le montant doit être de 0 à %1 dollars.<byte value="xd"/><byte value="xd"/>Voulez-vous corriger votre saisie? (Choisir [Non] videra le champ).</translation>
    </message>
    <message>
        <source>Error, the value must be a per cent from 0 to %1.<byte value="xd"/><byte value="xd"/>Do you want to correct your input. (Selecting [No] will clear the field).</source>
        <translation>Erreur, la valeur doit être un pourcentage de 0 à %1.<byte value="xd"/><byte value="xd"/>Voulez-vous corriger votre saisie? (Choisir [Non] videra le champ).</translation>
    </message>
    <message>
        <source>Error - the discharge date must fall within the term of the mortgage, from %1 to %2.</source>
        <translation>Erreur - la date de remboursement doit tomber dans le terme du prêt hypothécaire, du %1 au %2.</translation>
    </message>
</context>
<context>
    <name>Calculator Messages</name>
    <message>
        <source>Error, value entered in the mortgage box must be between 1 and 500000</source>
        <translation>Erreur, la valeur entrée dans la case du montant du prêt doit être comprise entre 1 et 500000</translation>
    </message>
    <message>
        <source>Error, value entered in the Interest Rate box must be between 1 and 25</source>
        <translation>Erreur, la valeur entrée dans la case Taux d&apos;intérêt doit être comprise entre 1 et 25</translation>
    </message>
    <message>
        <source>Error, value entered in the Amortizaton box must be between 1 and 35</source>
        <translation>Erreur, la valeur entrée dans la case Amortissement doit être comprise entre 1 et 35</translation>
    </message>
    <message>
        <source>Error, value entered in the Length of Loan box must be between 1 and 35</source>
        <translation>Erreur, la valeur entrée dans la case Durée du prêt doit être comprise entre 1 et 35</translation>
    </message>
    <message>
        <source>Error, this is not a valid date.  <byte value="xd"/>A valid date (or nothing) must be entered to continue.<byte value="xd"/><byte value="xd"/>Do you want to correct your input. (Selecting [No] will clear the field).</source>
        <translation>Erreur, cette date n&apos;est pas valide.  <byte value="xd"/>Une date valide (ou rien) doit être entrée pour continuer.<byte value="xd"/><byte value="xd"/>Voulez-vous corriger votre saisie? (Choisir [Non] videra le champ).</translation>
    </message>
    <message>
        <source>Mortgage Error Trap</source>
        <translation>Erreur interceptée – prêt hypothécaire</translation>
    </message>
    <message>
        <source>Error - all input boxes for scenario 2 must be completed. Please complete</source>
        <translation>Erreur - toutes les cases du scénario 2 doivent être remplies. Veuillez les remplir</translation>
    </message>
    <message>
        <source>Mortgage Input Violation</source>
        <translation>Saisie non conforme – prêt hypothécaire</translation>
    </message>
    <message>
        <source>Error, Length of loan cannot exceed the Amortization period specified</source>
        <translation>Erreur, la durée du prêt ne peut dépasser la période d&apos;amortissement indiquée</translation>
    </message>
    <message>
        <source><byte value="xd"/>A valid value (or nothing) must be entered to continue.<byte value="xd"/><byte value="xd"/>Do you want to correct your input. (Selecting [No] will clear the field).</source>
        <translation><byte value="xd"/>Une valeur valide (ou rien) doit être entrée pour continuer.<byte value="xd"/><byte value="xd"/>Voulez-vous corriger votre saisie? (Choisir [Non] videra le champ).</translation>
    </message>
    <message>
        <source>Mortgage Input Error</source>
        <translation>Erreur de saisie – prêt hypothécaire</translation>
    </message>
    <message>
        <source>Error, in the mortgage row, the lower boundary MUST be lower than the upper boundary. Increase the Upper Boundary or decrease the Lower Boundary.</source>
        <translation>Erreur, dans la rangée du montant, la borne inférieure DOIT être plus basse que la borne supérieure. Augmentez la borne supérieure ou diminuez la borne inférieure.</translation>
    </message>
    <message>
        <source>Error, the increment for the mortgage row is too large.  Adding this increment value to the lower boundary exceeds upper boundary. Decrease increment.</source>
        <translation>Erreur, le pas de la rangée du montant est trop grand.  Ce pas ajouté à la borne inférieure dépasse la borne supérieure. Diminuez le pas.</translation>
    </message>
    <message>
        <source>Error, in the mortgage row, a lower boundary value MUST be specified.</source>
        <translation>Erreur, dans la rangée du montant, une borne inférieure DOIT être indiquée.</translation>
    </message>
    <message>
        <source>Error, in the interest rate row, the lower boundary MUST be lower than the upper boundary. Increase the Upper Boundary or decrease the Lower Boundary.</source>
        <translation>Erreur, dans la rangée du taux d&apos;intérêt, la borne inférieure DOIT être plus basse que la borne supérieure. Augmentez la borne supérieure ou diminuez la borne inférieure.</translation>
    </message>
    <message>
        <source>Error, the increment for the interest rate row is too large.  Adding this increment value to the lower boundary exceeds upper boundary. Decrease increment.</source>
        <translation>Erreur, le pas de la rangée du taux d&apos;intérêt est trop grand.  Ce pas ajouté à la borne inférieure dépasse la borne supérieure. Diminuez le pas.</translation>
    </message>
    <message>
        <source>Error, in the interest rate row, a lower boundary value MUST be specified.</source>
        <translation>Erreur, dans la rangée du taux d&apos;intérêt, une borne inférieure DOIT être indiquée.</translation>
    </message>
    <message>
        <source>Error, in the Amortization Period row, the lower boundary MUST be lower than the upper boundary. Increase the Upper Boundary or decrease the Lower Boundary.</source>
        <translation>Erreur, dans la rangée de la période d&apos;amortissement, la borne inférieure DOIT être plus basse que la borne supérieure. Augmentez la borne supérieure ou diminuez la borne inférieure.</translation>
    </message>
    <message>
        <source>Error, the increment for the Amortization Period row is too large.  Adding this increment value to the lower boundary exceeds upper boundary. Decrease increment.</source>
        <translation>Erreur, le pas de la rangée de la période d&apos;amortissement est trop grand.  Ce pas ajouté à la borne inférieure dépasse la borne supérieure. Diminuez le pas.</translation>
    </message>
    <message>
        <source>Error, in the Amortization Period row, a lower boundary value MUST be specified.</source>
        <translation>Erreur, dans la rangée de la période d&apos;amortissement, une borne inférieure DOIT être indiquée.</translation>
    </message>
    <message>
        <source>Error, All paramters must have a lower boundary specified. At least one of the values does not have the Lower Boundary specified.</source>
        <translation>Erreur, chaque paramètre doit avoir une borne inférieure. Au moins une des valeurs n&apos;a pas de borne inférieure.</translation>
    </message>
    <message>
        <source>Error, there are too many lines to display (over 800).  Please reduce some of the ranges or increase some of the increments (or do it in two runs).</source>
        <translation>Erreur, il y a trop de lignes à afficher (plus de 800).  Réduisez certaines plages ou augmentez certains pas (ou faites le calcul en deux fois).</translation>
    </message>
    <message>
        <source>Rate Shopper Input Violation</source>
        <translation>Comparateur de taux – saisie non conforme</translation>
    </message>
    <message>
        <source>Rate Shopper Output Violation</source>
        <translation>Comparateur de taux – résultat non conforme</translation>
    </message>
    <message>
        <source>Error, value entered in the mortgage lower boundary box must be between 1 and 500000</source>
        <translation>Erreur, la valeur entrée dans la case de la borne inférieure du montant doit être comprise entre 1 et 500000</translation>
    </message>
    <message>
        <source>Error, value entered in the mortgage increment box must be between 1 and 500000</source>
        <translation>Erreur, la valeur entrée dans la case du pas du montant doit être comprise entre 1 et 500000</translation>
    </message>
    <message>
        <source>Error, Check your Payment Amount as it relates to the Payment Frequency.<byte value="xd"/>            These values are relative to each other.  Acceptable values are:<byte value="xd"/><byte value="xd"/>If Payment Frequency = Monthly         Payment Amount Range: 1 to 10000<byte value="xd"/>                                               Weekly                                                            1 to   2500<byte value="xd"/>                                               Twice a Month                                               1 to   5000<byte value="xd"/>                                               Every Two Weeks                                       1 to   5000<byte value="xd"/></source>
        <translation>Erreur, vérifiez le montant du versement selon la fréquence des versements.<byte value="xd"/>            Ces valeurs dépendent l&apos;une de l&apos;autre.  Les valeurs acceptées sont&#xa0;:<byte value="xd"/><byte value="xd"/>Fréquence = Mensuelle                Montant du versement&#xa0;: 1 à 10000<byte value="xd"/>                         Hebdomadaire                                                1 à   2500<byte value="xd"/>                         Deux fois par mois                                      1 à   5000<byte value="xd"/>                         Aux deux semaines                                       1 à   5000<byte value="xd"/></translation>
    </message>
    <message>
        <source>Error, Solve for Am Period scenario cannot be resolved because<byte value="xd"/>the calculated interest on the mortgage payment exceeds the payment you specified.<byte value="xd"/><byte value="xd"/>Increase the Payment Amount or decrease the Interest Rate.</source>
        <translation>Erreur, le calcul de la période d&apos;amortissement est impossible parce que<byte value="xd"/>l&apos;intérêt calculé sur le versement dépasse le versement que vous avez indiqué.<byte value="xd"/><byte value="xd"/>Augmentez le montant du versement ou diminuez le taux d&apos;intérêt.</translation>
    </message>
    <message>
        <source>Error, Solve for scenarios cannot be resolved because<byte value="xd"/>the Interest Rate is too small to give any interest.<byte value="xd"/><byte value="xd"/>Increase the Interest Rate.</source>
        <translation>Erreur, le calcul est impossible parce que<byte value="xd"/>le taux d&apos;intérêt est trop faible pour produire de l&apos;intérêt.<byte value="xd"/><byte value="xd"/>Augmentez le taux d&apos;intérêt.</translation>
    </message>
    <message>
        <source>Error, Solve for Mtge Amount scenario cannot be resolved because<byte value="xd"/>the Amortization Period is too long to calculate.<byte value="xd"/><byte value="xd"/>Decrease the Amortization Period.</source>
        <translation>Erreur, le calcul du montant du prêt est impossible parce que<byte value="xd"/>la période d&apos;amortissement est trop longue pour être calculée.<byte value="xd"/><byte value="xd"/>Diminuez la période d&apos;amortissement.</translation>
    </message>
    <message>
        <source>Error, unresolvable scenario</source>
        <translation>Erreur, scénario sans solution</translation>
    </message>
    <message>
        <source>Input Error - out of range. Enter a valid value or delete the contents of the field.</source>
        <translation>Erreur de saisie - hors limites. Entrez une valeur valide ou effacez le contenu du champ.</translation>
    </message>
</context>
<context>
    <name>Compare Report</name>
    <message>
        <source>Scenario One</source>
        <translation>Scénario un</translation>
    </message>
    <message>
        <source>Scenario Two</source>
        <translation>Scénario deux</translation>
    </message>
    <message>
        <source>Mortgage Amount</source>
        <translation>Montant du prêt</translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation>Taux d&apos;intérêt</translation>
    </message>
    <message>
        <source>Am Period</source>
        <translation>Amortissement</translation>
    </message>
    <message>
        <source>Length of Loan</source>
        <translation>Durée du prêt</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>Payment Frequency</source>
        <translation>Fréquence des versements</translation>
    </message>
    <message>
        <source>Calculated Payment</source>
        <translation>Versement calculé</translation>
    </message>
    <message>
        <source>At the Closing Date</source>
        <translation>À la date de clôture</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Balance Outstanding</source>
        <translation>Solde impayé</translation>
    </message>
    <message>
        <source>$ Paid:</source>
        <translation>$ payés&#xa0;:</translation>
    </message>
    <message>
        <source>by Regular Payments</source>
        <translation>en versements réguliers</translation>
    </message>
    <message>
        <source>by Lump Payments</source>
        <translation>en versements forfaitaires</translation>
    </message>
    <message>
        <source>Total Principle paid to date</source>
        <translation>Capital payé à ce jour</translation>
    </message>
    <message>
        <source>Total Interest paid to date</source>
        <translation>Intérêts payés à ce jour</translation>
    </message>
    <message>
        <source>Gross Saving:</source>
        <translation>Économie brute&#xa0;:</translation>
    </message>
    <message>
        <source>Net Saving:</source>
        <translation>Économie nette&#xa0;:</translation>
    </message>
    <message>
        <source>Changes to Payment and/or Lump Payments Made</source>
        <translation>Changements de versement et versements forfaitaires</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Versement</translation>
    </message>
    <message>
        <source>Lump</source>
        <translation>Forfaitaire</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>Scenario Comparison Study</source>
        <translation>Comparaison de scénarios</translation>
    </message>
</context>
<context>
    <name>Discharge Report</name>
    <message>
        <source>Early Discharge Penalty</source>
        <translation>Pénalité de remboursement anticipé</translation>
    </message>
    <message>
        <source>Current Mortgage runs from:   %1   until   %2</source>
        <translation>Le prêt actuel court du&#xa0;:   %1   au   %2</translation>
    </message>
    <message>
        <source>Discharge Date:</source>
        <translation>Date du remboursement&#xa0;:</translation>
    </message>
    <message>
        <source>Interest Rate :</source>
        <translation>Taux d&apos;intérêt&#xa0;:</translation>
    </message>
    <message>
        <source>Interest Rate Differential Calculations:</source>
        <translation>Calcul du différentiel de taux d&apos;intérêt&#xa0;:</translation>
    </message>
    <message>
        <source>Future Value Method:</source>
        <translation>Méthode de la valeur future&#xa0;:</translation>
    </message>
    <message>
        <source>Acc. Interest Method:</source>
        <translation>Méthode des intérêts cumulés&#xa0;:</translation>
    </message>
    <message>
        <source>Actual Scenario Calculation:</source>
        <translation>Calcul selon le scénario réel&#xa0;:</translation>
    </message>
    <message>
        <source>Three Month Interest Penalty:</source>
        <translation>Intérêts de trois mois&#xa0;:</translation>
    </message>
    <message>
        <source>Applicable Penalty: The GREATER of the Interest Rate Differential and the Three Month Penalty</source>
        <translation>Pénalité applicable&#xa0;: le PLUS ÉLEVÉ du différentiel de taux d&apos;intérêt et des intérêts de trois mois</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Note&#xa0;:</translation>
    </message>
    <message>
        <source>CMHC insured mortgages may only be subject to the Three Month Penalty (not the </source>
        <translation>Un prêt assuré par la SCHL peut n&apos;être soumis qu&apos;aux intérêts de trois mois (et non au </translation>
    </message>
    <message>
        <source>Interest Rate Differential) if the mortgage has been running for three years or more.</source>
        <translation>différentiel de taux d&apos;intérêt) si le prêt court depuis trois ans ou plus.</translation>
    </message>
    <message>
        <source>This form is an estimator.  It seems every bank has their own method of calculating this penalty.</source>
        <translation>Ce formulaire donne une estimation.  Chaque banque semble calculer cette pénalité à sa façon.</translation>
    </message>
    <message>
        <source>The intent of this form is to supply a quick method to estimate the Early Discharge Penalty.</source>
        <translation>Il offre une façon rapide d&apos;estimer la pénalité de remboursement anticipé.</translation>
    </message>
</context>
<context>
    <name>Engine Messages</name>
    <message>
        <source>Mtge Warning - please note...</source>
        <translation>Avertissement – à noter...</translation>
    </message>
    <message>
        <source>The extra payment of $ %1 is more than the outstanding balance of: %2 on %3.  The loan is now paid in full and the lump payment has been reduced to pay off the outstanding balance.</source>
        <translation>Le versement supplémentaire de %1 $ dépasse le solde impayé de&#xa0;: %2 au %3.  Le prêt est maintenant remboursé en entier et le versement forfaitaire a été réduit au solde impayé.</translation>
    </message>
    <message>
        <source>The extra payment of $ %1 is more than the outstanding balance of: %2 on %3.  The loan is now paid in full and the extra payment has been reduced to pay off the outstanding balance.</source>
        <translation>Le versement supplémentaire de %1 $ dépasse le solde impayé de&#xa0;: %2 au %3.  Le prêt est maintenant remboursé en entier et le versement supplémentaire a été réduit au solde impayé.</translation>
    </message>
    <message>
        <source>Mtge Error Trap</source>
        <translation>Erreur interceptée</translation>
    </message>
    <message>
        <source>The payment schedule could not be written to the working folder %1.<byte value="xd"/>The schedule shown is correct, but reports and graphs that read the schedule file will not find it.</source>
        <translation>Le tableau des versements n&apos;a pas pu être écrit dans le dossier de travail %1.<byte value="xd"/>Le tableau affiché est exact, mais les rapports et les graphiques qui lisent le fichier du tableau ne le trouveront pas.</translation>
    </message>
</context>
<context>
    <name>Estimate Report</name>
    <message>
        <source>Legal Fees (incl. disbursements):</source>
        <translation>Frais juridiques (avec débours)&#xa0;:</translation>
    </message>
    <message>
        <source>Land Transfer Tax Adjustment:</source>
        <translation>Droits de mutation immobilière&#xa0;:</translation>
    </message>
    <message>
        <source>Utility Adjustments:</source>
        <translation>Rajustements des services&#xa0;:</translation>
    </message>
    <message>
        <source>Property Tax Adjustments:</source>
        <translation>Rajustement de l&apos;impôt foncier&#xa0;:</translation>
    </message>
    <message>
        <source>Property Survey:</source>
        <translation>Certificat de localisation&#xa0;:</translation>
    </message>
    <message>
        <source>Appraisal Fee:</source>
        <translation>Frais d&apos;évaluation&#xa0;:</translation>
    </message>
    <message>
        <source>House Inspection:</source>
        <translation>Inspection de la maison&#xa0;:</translation>
    </message>
    <message>
        <source>Moving Expenses:</source>
        <translation>Frais de déménagement&#xa0;:</translation>
    </message>
    <message>
        <source>Home Insurance:</source>
        <translation>Assurance habitation&#xa0;:</translation>
    </message>
    <message>
        <source>Immediate Repairs:</source>
        <translation>Réparations immédiates&#xa0;:</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Autres&#xa0;:</translation>
    </message>
    <message>
        <source>Purchase Deposit:</source>
        <translation>Acompte à l&apos;achat&#xa0;:</translation>
    </message>
    <message>
        <source>$ from other property sale:</source>
        <translation>$ de la vente d&apos;un autre bien&#xa0;:</translation>
    </message>
    <message>
        <source>Other Personal Funds:</source>
        <translation>Autres fonds personnels&#xa0;:</translation>
    </message>
    <message>
        <source>Estimate Amount of Mortgage Required</source>
        <translation>Estimation du prêt hypothécaire requis</translation>
    </message>
    <message>
        <source>Property Purchase Price:</source>
        <translation>Prix d&apos;achat de la propriété&#xa0;:</translation>
    </message>
    <message>
        <source>Plus Other Expenses:</source>
        <translation>Plus autres frais&#xa0;:</translation>
    </message>
    <message>
        <source>Total Estimate Purchase Cost:</source>
        <translation>Coût total estimé de l&apos;achat&#xa0;:</translation>
    </message>
    <message>
        <source>Less:</source>
        <translation>Moins&#xa0;:</translation>
    </message>
    <message>
        <source>Estimated Amount to be Mortgaged:</source>
        <translation>Montant estimé du prêt hypothécaire&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Frequencies</name>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Twice a Month</source>
        <translation>Deux fois par mois</translation>
    </message>
    <message>
        <source>Every Two Weeks</source>
        <translation>Aux deux semaines</translation>
    </message>
</context>
<context>
    <name>Graphs</name>
    <message>
        <source>Acc Prin vs. Acc Int</source>
        <translation>Capital cumulé et intérêts cumulés</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>$ Dollars</source>
        <translation>Dollars ($)</translation>
    </message>
    <message>
        <source>Acc Prin</source>
        <translation>Capital cumulé</translation>
    </message>
    <message>
        <source>Acc Int</source>
        <translation>Intérêts cumulés</translation>
    </message>
    <message>
        <source>Remaining Balance vs. Time</source>
        <translation>Solde restant selon le temps</translation>
    </message>
    <message>
        <source>$ Owing</source>
        <translation>$ dus</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Components of Regular Payment</source>
        <translation>Composantes du versement régulier</translation>
    </message>
    <message>
        <source>Principle</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>No Crossover</source>
        <translation>Aucun croisement</translation>
    </message>
    <message>
        <source>Multiple points</source>
        <translation>Plusieurs points</translation>
    </message>
</context>
<context>
    <name>Lender&apos;s Terms Report</name>
    <message>
        <source>Lender&apos;s Terms and Penalty</source>
        <translation>Conditions et pénalité du prêteur</translation>
    </message>
    <message>
        <source>The lender&apos;s terms</source>
        <translation>Les conditions du prêteur</translation>
    </message>
    <message>
        <source>Textbook figures (early discharge)</source>
        <translation>Chiffres théoriques (remboursement anticipé)</translation>
    </message>
    <message>
        <source>The lender&apos;s penalty</source>
        <translation>La pénalité du prêteur</translation>
    </message>
    <message>
        <source>The plan against the privileges</source>
        <translation>Le plan comparé aux privilèges</translation>
    </message>
    <message>
        <source>... and %1 more years (the window and the privileges command list them all)</source>
        <translation>... et %1 années de plus (la fenêtre et la commande privileges les donnent toutes)</translation>
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
        <translation>Nº vers.</translation>
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
        <translation>Versement  forfaitaire</translation>
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
        <translation>Avertissement - ce formulaire ne peut pas être imprimé seul.<byte value="xd"/>Il est imprimé en en-tête de tous les autres formulaires imprimables.</translation>
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
    <name>Provinces</name>
    <message>
        <source>Ontario</source>
        <translation>Ontario</translation>
    </message>
    <message>
        <source>British Columbia</source>
        <translation>Colombie-Britannique</translation>
    </message>
    <message>
        <source>Quebec</source>
        <translation>Québec</translation>
    </message>
    <message>
        <source>Manitoba</source>
        <translation>Manitoba</translation>
    </message>
    <message>
        <source>Alberta</source>
        <translation>Alberta</translation>
    </message>
    <message>
        <source>Saskatchewan</source>
        <translation>Saskatchewan</translation>
    </message>
    <message>
        <source>Nova Scotia</source>
        <translation>Nouvelle-Écosse</translation>
    </message>
    <message>
        <source>New Brunswick</source>
        <translation>Nouveau-Brunswick</translation>
    </message>
    <message>
        <source>Prince Edward Island</source>
        <translation>Île-du-Prince-Édouard</translation>
    </message>
    <message>
        <source>Newfoundland and Labrador</source>
        <translation>Terre-Neuve-et-Labrador</translation>
    </message>
    <message>
        <source>Yukon</source>
        <translation>Yukon</translation>
    </message>
    <message>
        <source>Northwest Territories</source>
        <translation>Territoires du Nord-Ouest</translation>
    </message>
    <message>
        <source>Nunavut</source>
        <translation>Nunavut</translation>
    </message>
</context>
<context>
    <name>Purchase Messages</name>
    <message>
        <source>the price must be above 0</source>
        <translation>le prix doit être supérieur à 0</translation>
    </message>
    <message>
        <source>the price must be at most %1</source>
        <translation>le prix doit être d&apos;au plus %1</translation>
    </message>
    <message>
        <source>the down payment must be at most %1</source>
        <translation>la mise de fonds doit être d&apos;au plus %1</translation>
    </message>
    <message>
        <source>the income must be at most %1</source>
        <translation>le revenu doit être d&apos;au plus %1</translation>
    </message>
    <message>
        <source>the property taxes must be at most %1</source>
        <translation>les taxes foncières doivent être d&apos;au plus %1</translation>
    </message>
    <message>
        <source>the heating must be at most %1</source>
        <translation>le chauffage doit être d&apos;au plus %1</translation>
    </message>
    <message>
        <source>the condominium fees must be at most %1</source>
        <translation>les frais de copropriété doivent être d&apos;au plus %1</translation>
    </message>
    <message>
        <source>the other debt payments must be at most %1</source>
        <translation>les autres paiements de dettes doivent être d&apos;au plus %1</translation>
    </message>
    <message>
        <source>the transfer tax must be at most %1</source>
        <translation>les droits de mutation doivent être d&apos;au plus %1</translation>
    </message>
    <message>
        <source>the amortization must be above 0 and at most 35 years</source>
        <translation>la période d&apos;amortissement doit être supérieure à 0 et d&apos;au plus 35 ans</translation>
    </message>
    <message>
        <source>the rate must be above 0 and at most 25</source>
        <translation>le taux doit être supérieur à 0 et d&apos;au plus 25</translation>
    </message>
    <message>
        <source>no down payment rules are held for %1</source>
        <translation>aucune règle de mise de fonds n&apos;est connue pour le %1</translation>
    </message>
    <message>
        <source>the down payment must be less than the price</source>
        <translation>la mise de fonds doit être inférieure au prix</translation>
    </message>
    <message>
        <source>a price of %1 is at or above the insured price cap of %2: %3 % down needed: %4</source>
        <translation>un prix de %1 atteint ou dépasse le plafond de prix assurable de %2&#xa0;: mise de fonds de %3&#xa0;% requise&#xa0;: %4</translation>
    </message>
    <message>
        <source>a down payment of %1 is below the minimum of %2</source>
        <translation>une mise de fonds de %1 est inférieure au minimum de %2</translation>
    </message>
    <message>
        <source>no insurance premium rules are held for %1</source>
        <translation>aucune règle de prime d&apos;assurance n&apos;est connue pour le %1</translation>
    </message>
    <message>
        <source>no insured amortization rules are held for %1</source>
        <translation>aucune règle d&apos;amortissement assuré n&apos;est connue pour le %1</translation>
    </message>
    <message>
        <source>a loan of %1 % of the price cannot be insured (at most %2 %)</source>
        <translation>un prêt de %1&#xa0;% du prix ne peut être assuré (au plus %2&#xa0;%)</translation>
    </message>
    <message>
        <source>an insured loan is amortized over at most %1 years</source>
        <translation>un prêt assuré s&apos;amortit sur au plus %1 ans</translation>
    </message>
    <message>
        <source>an insured loan is amortized over at most %1 years (%2 for a first-time buyer or a new build)</source>
        <translation>un prêt assuré s&apos;amortit sur au plus %1 ans (%2 pour un premier acheteur ou une construction neuve)</translation>
    </message>
    <message>
        <source>an insured loan is amortized over at most %1 years (%2 for a first-time buyer of a new build)</source>
        <translation>un prêt assuré s&apos;amortit sur au plus %1 ans (%2 pour un premier acheteur d&apos;une construction neuve)</translation>
    </message>
    <message>
        <source>no qualifying rate rules are held for %1</source>
        <translation>aucune règle de taux de qualification n&apos;est connue pour le %1</translation>
    </message>
    <message>
        <source>no %1 transfer tax rules are held for %2</source>
        <translation>aucune règle de droits de mutation de %1 n&apos;est connue pour le %2</translation>
    </message>
    <message>
        <source>%1 is in %2, not in %3</source>
        <translation>%1 est en %2, non en %3</translation>
    </message>
</context>
<context>
    <name>Purchase Report</name>
    <message>
        <source>Buying a Home</source>
        <translation>Achat d&apos;une maison</translation>
    </message>
    <message>
        <source>The purchase:</source>
        <translation>L&apos;achat&#xa0;:</translation>
    </message>
    <message>
        <source>What it takes:</source>
        <translation>Ce qu&apos;il faut&#xa0;:</translation>
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
        <translation>Refinancement - résultats du scénario</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 au %2</translation>
    </message>
    <message>
        <source>Scenario Description</source>
        <translation>Description du scénario</translation>
    </message>
    <message>
        <source>Your current mortgage is set to run from:</source>
        <translation>Votre prêt hypothécaire actuel court du&#xa0;:</translation>
    </message>
    <message>
        <source>and is set at the interest rate:</source>
        <translation>au taux d&apos;intérêt de&#xa0;:</translation>
    </message>
    <message>
        <source>You are considering to refinace your mortgage on:</source>
        <translation>Vous envisagez de refinancer votre prêt le&#xa0;:</translation>
    </message>
    <message>
        <source>Current Mortgage</source>
        <translation>Prêt actuel</translation>
    </message>
    <message>
        <source>Using the regular payment value:</source>
        <translation>Avec le versement régulier de&#xa0;:</translation>
    </message>
    <message>
        <source>Running this mortgage from: </source>
        <translation>Ce prêt courant du&#xa0;: </translation>
    </message>
    <message>
        <source>Balance owing:</source>
        <translation>Solde dû&#xa0;:</translation>
    </message>
    <message>
        <source>Refinaced Mortgage</source>
        <translation>Prêt refinancé</translation>
    </message>
    <message>
        <source>$ Owing on refinance date:</source>
        <translation>$ dus à la date du refinancement&#xa0;:</translation>
    </message>
    <message>
        <source>Discharging your mortgage will cost an assumed penalty of:</source>
        <translation>Rembourser votre prêt coûtera une pénalité présumée de&#xa0;:</translation>
    </message>
    <message>
        <source>Other Expenses:</source>
        <translation>Autres frais&#xa0;:</translation>
    </message>
    <message>
        <source>Amount to be refinanced:</source>
        <translation>Montant à refinancer&#xa0;:</translation>
    </message>
    <message>
        <source>Now if you refinace: </source>
        <translation>Si vous refinancez à&#xa0;: </translation>
    </message>
    <message>
        <source>Results Comparison</source>
        <translation>Comparaison des résultats</translation>
    </message>
    <message>
        <source>Original Mortgage</source>
        <translation>Prêt initial</translation>
    </message>
    <message>
        <source>Refinanced Mortgage</source>
        <translation>Prêt refinancé</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Payment Value used:</source>
        <translation>Versement utilisé&#xa0;:</translation>
    </message>
    <message>
        <source>Cost due to a difference in payment value:</source>
        <translation>Coût dû à l&apos;écart entre les versements&#xa0;:</translation>
    </message>
    <message>
        <source>Net Saving:</source>
        <translation>Économie nette&#xa0;:</translation>
    </message>
    <message>
        <source>Conclusion</source>
        <translation>Conclusion</translation>
    </message>
    <message>
        <source>Current Mortgage if left alone (not refinanced): </source>
        <translation>Prêt actuel laissé tel quel (non refinancé)&#xa0;: </translation>
    </message>
    <message>
        <source>Refinanced Mortgage: </source>
        <translation>Prêt refinancé&#xa0;: </translation>
    </message>
    <message>
        <source>Yields a savings of: </source>
        <translation>Donne une économie de&#xa0;: </translation>
    </message>
</context>
<context>
    <name>Refinance Search Report</name>
    <message>
        <source>Future Value Method</source>
        <translation>Méthode de la valeur future</translation>
    </message>
    <message>
        <source>Acc. Interest Method</source>
        <translation>Méthode des intérêts cumulés</translation>
    </message>
    <message>
        <source>Calculated Discharge Penalty</source>
        <translation>Pénalité de remboursement calculée</translation>
    </message>
    <message>
        <source>Discharge Date only (fixed interest rate)</source>
        <translation>Date de remboursement seulement (taux d&apos;intérêt fixe)</translation>
    </message>
    <message>
        <source>Interest Rate only (fixed discharge date)</source>
        <translation>Taux d&apos;intérêt seulement (date de remboursement fixe)</translation>
    </message>
    <message>
        <source>Discharge Date and Interest Rate</source>
        <translation>Date de remboursement et taux d&apos;intérêt</translation>
    </message>
    <message>
        <source>Begin study at discharge date:</source>
        <translation>Début de l&apos;étude (remboursement)&#xa0;:</translation>
    </message>
    <message>
        <source>Interest Rate Cap:</source>
        <translation>Plafond du taux d&apos;intérêt&#xa0;:</translation>
    </message>
    <message>
        <source>Additional Costs:</source>
        <translation>Frais supplémentaires&#xa0;:</translation>
    </message>
    <message>
        <source>CMHC 3 year rule:</source>
        <translation>Règle des 3 ans de la SCHL&#xa0;:</translation>
    </message>
    <message>
        <source>IS APPLIED</source>
        <translation>EST APPLIQUÉE</translation>
    </message>
    <message>
        <source> IS NOT APPLIED </source>
        <translation> N&apos;EST PAS APPLIQUÉE </translation>
    </message>
    <message>
        <source>Discharge Penalty Used:</source>
        <translation>Pénalité utilisée&#xa0;:</translation>
    </message>
    <message>
        <source>Solving for:</source>
        <translation>Recherche de&#xa0;:</translation>
    </message>
    <message>
        <source> Discharge</source>
        <translation> Rembours.</translation>
    </message>
    <message>
        <source>Max Interest</source>
        <translation>Taux d&apos;int.</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Versement</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Pénalité</translation>
    </message>
    <message>
        <source>  Bal Fwd</source>
        <translation>  Solde</translation>
    </message>
    <message>
        <source>   Date    </source>
        <translation>  (date)   </translation>
    </message>
    <message>
        <source> Rate Value</source>
        <translation>  maximal</translation>
    </message>
    <message>
        <source>  Used </source>
        <translation> utilisé</translation>
    </message>
    <message>
        <source> Used  </source>
        <translation> utilisée</translation>
    </message>
    <message>
        <source> Bal Fwd </source>
        <translation> (solde) </translation>
    </message>
    <message>
        <source>of Scenario</source>
        <translation>du scénario</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Économie</translation>
    </message>
    <message>
        <source>Refinace Study - Solve Both</source>
        <translation>Étude de refinancement - les deux inconnues</translation>
    </message>
    <message>
        <source>Error, the search is still running.  Stop it or let it finish before printing the form.</source>
        <translation>Erreur, la recherche est encore en cours.  Arrêtez-la ou laissez-la finir avant d&apos;imprimer le formulaire.</translation>
    </message>
</context>
<context>
    <name>Saving Suggestions</name>
    <message>
        <source>) The current interest rate is lower than the rate you are now paying.  This indicates that you might consider terminating</source>
        <translation>) Le taux d&apos;intérêt courant est plus bas que celui que vous payez.  Vous pourriez donc envisager de mettre fin à</translation>
    </message>
    <message>
        <source>      your mortgage early, paying the incurred penalty, and then refinancing using the lower rate in an effort to save </source>
        <translation>      votre prêt hypothécaire avant terme, en payant la pénalité, puis de refinancer au taux plus bas pour économiser </translation>
    </message>
    <message>
        <source>      money in interest charges.  The forms you will use for this study are: </source>
        <translation>      en frais d&apos;intérêt.  Les formulaires à utiliser pour cette étude sont&#xa0;: </translation>
    </message>
    <message>
        <source>        Refinance a scenario         - to try the lower interest rate while manipulating the discharge penalty</source>
        <translation>        Refinancer un scénario       - pour essayer le taux plus bas en faisant varier la pénalité de remboursement</translation>
    </message>
    <message>
        <source>        Early Discharge Penalty    - to help you estimate the discharge penalty.</source>
        <translation>        Pénalité de remboursement anticipé - pour vous aider à estimer la pénalité.</translation>
    </message>
    <message>
        <source>                                                               An accurate discharge penalty figure should be attained from your bank.</source>
        <translation>                                                               Obtenez de votre banque le montant exact de la pénalité de remboursement.</translation>
    </message>
    <message>
        <source>) Your current payment frequency is not weekly.  Changing to weekly payments may cost more but will save you interest</source>
        <translation>) Vos versements ne sont pas hebdomadaires.  Passer aux versements hebdomadaires peut coûter plus, mais vous fera économiser</translation>
    </message>
    <message>
        <source>      charges in the long run.  Run a scenario so that you can see the difference switching to this type of payment makes.</source>
        <translation>      de l&apos;intérêt à long terme.  Faites un scénario pour voir la différence que ce type de versement apporte.</translation>
    </message>
    <message>
        <source>      You can use the Compare Form to see this impact on a new mortgage (i.e. a mortgage without payment changes)  OR</source>
        <translation>      Le formulaire de comparaison montre cet effet sur un nouveau prêt (c.-à-d. sans changements de versement)  OU</translation>
    </message>
    <message>
        <source>      You can see the impact on an existing mortgage (switching to weekly payments before it comes due) by using a</source>
        <translation>      vous pouvez voir l&apos;effet sur un prêt existant (passer aux versements hebdomadaires avant l&apos;échéance) à l&apos;aide</translation>
    </message>
    <message>
        <source>      combination of forms with two scenario runs.  This method is explained, step by step, in the example documentation.</source>
        <translation>      de plusieurs formulaires et de deux scénarios.  La documentation d&apos;exemple explique cette méthode pas à pas.</translation>
    </message>
    <message>
        <source>) As always, lump payments and increasing your payment always has an effect on your mortgage.  You can see the</source>
        <translation>) Comme toujours, les versements forfaitaires et la hausse du versement ont un effet sur votre prêt.  Vous pouvez voir</translation>
    </message>
    <message>
        <source>      impact of these changes very quickly using the Compare Scenarios form.</source>
        <translation>      l&apos;effet de ces changements très vite avec le formulaire Comparer des scénarios.</translation>
    </message>
    <message>
        <source>      Use &apos;Copy Scenario 1 to 2&apos; button and then enter your &apos;what-if&apos; changes in the payment change section.</source>
        <translation>      Avec le bouton «&#xa0;Copier le scénario 1 dans 2&#xa0;», entrez vos hypothèses dans les changements de versement.</translation>
    </message>
    <message>
        <source>      When this is complete press the &apos;Calculate&apos; button and see the impact.</source>
        <translation>      Ensuite, appuyez sur le bouton «&#xa0;Calculer&#xa0;» et voyez l&apos;effet.</translation>
    </message>
</context>
<context>
    <name>Scenario Messages</name>
    <message>
        <source>Error, value entered in the mortgage box must be between 1 and 500000</source>
        <translation>Erreur, la valeur entrée dans la case du montant du prêt doit être comprise entre 1 et 500000</translation>
    </message>
    <message>
        <source>Error, value entered in the Interest Rate box must be between 1 and 25</source>
        <translation>Erreur, la valeur entrée dans la case Taux d&apos;intérêt doit être comprise entre 1 et 25</translation>
    </message>
    <message>
        <source>Error, value entered in the Amortizaton box must be between 1 and 35</source>
        <translation>Erreur, la valeur entrée dans la case Amortissement doit être comprise entre 1 et 35</translation>
    </message>
    <message>
        <source>Error, value entered in the Length of Loan box must be between 1 and 35</source>
        <translation>Erreur, la valeur entrée dans la case Durée du prêt doit être comprise entre 1 et 35</translation>
    </message>
    <message>
        <source><byte value="xd"/>A valid date (or nothing) must be entered to continue.<byte value="xd"/><byte value="xd"/>Do you want to correct your input. (Selecting [No] will clear the field).</source>
        <translation><byte value="xd"/>Une date valide (ou rien) doit être entrée pour continuer.<byte value="xd"/><byte value="xd"/>Voulez-vous corriger votre saisie? (Choisir [Non] videra le champ).</translation>
    </message>
    <message>
        <source><byte value="xd"/>A valid value (or nothing) must be entered to continue.<byte value="xd"/><byte value="xd"/>Do you want to correct your input. (Selecting [No] will clear the field).</source>
        <translation><byte value="xd"/>Une valeur valide (ou rien) doit être entrée pour continuer.<byte value="xd"/><byte value="xd"/>Voulez-vous corriger votre saisie? (Choisir [Non] videra le champ).</translation>
    </message>
    <message>
        <source>Error, this is not a valid date.  </source>
        <translation>Erreur, cette date n&apos;est pas valide.  </translation>
    </message>
    <message>
        <source>Error, When the payment frequency is set to Twice a Month,  the loan start date must be set to either the 15th or 30th of the month (as these are the set payment dates for this type of mortgage payment). Your start date is being adjusted, please note this on your input screen</source>
        <translation>Erreur, quand la fréquence des versements est Deux fois par mois,  la date de début du prêt doit être le 15 ou le 30 du mois (les dates de versement fixes de ce type de versement). Votre date de début est rajustée, veuillez le noter sur votre écran de saisie</translation>
    </message>
    <message>
        <source>Because there are payment changes already entered...<byte value="xd"/><byte value="xd"/>Editing this field will change the time frame of this loan.  <byte value="xd"/>This will require all current payment changes and lump payments to be erased. <byte value="xd"/><byte value="xd"/>Do you want to continue to edit this field ?</source>
        <translation>Des changements de versement sont déjà entrés...<byte value="xd"/><byte value="xd"/>Modifier ce champ changera la durée de ce prêt.  <byte value="xd"/>Tous les changements de versement et versements forfaitaires actuels devront être effacés. <byte value="xd"/><byte value="xd"/>Voulez-vous continuer à modifier ce champ?</translation>
    </message>
    <message>
        <source>Mortgage Input Error</source>
        <translation>Erreur de saisie – prêt hypothécaire</translation>
    </message>
    <message>
        <source>Mortgage Input Violation</source>
        <translation>Saisie non conforme – prêt hypothécaire</translation>
    </message>
    <message>
        <source>Warning - Confirm Data Deletion</source>
        <translation>Avertissement - confirmer l&apos;effacement des données</translation>
    </message>
    <message>
        <source>Error, Length of loan cannot exceed the Amortization period specified</source>
        <translation>Erreur, la durée du prêt ne peut dépasser la période d&apos;amortissement indiquée</translation>
    </message>
</context>
<context>
    <name>Scenario Reports</name>
    <message>
        <source>Pay</source>
        <translation>Vers.</translation>
    </message>
    <message>
        <source>  Payment Components</source>
        <translation>Composantes du versement</translation>
    </message>
    <message>
        <source>Acc&apos;d</source>
        <translation>Cumul</translation>
    </message>
    <message>
        <source>Lump</source>
        <translation>Forf.</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Vers.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>nº</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payment   Princ  Intrst</source>
        <translation>Vers.     Capit. Intér.</translation>
    </message>
    <message>
        <source>Principle</source>
        <translation>capital</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>intérêts</translation>
    </message>
    <message>
        <source> Change</source>
        <translation> modif.</translation>
    </message>
    <message>
        <source>  Forward</source>
        <translation>  reporté</translation>
    </message>
    <message>
        <source>Mortgage Amount    : </source>
        <translation>Montant du prêt    &#xa0;: </translation>
    </message>
    <message>
        <source>Interest Rate                  : </source>
        <translation>Taux d&apos;intérêt             &#xa0;: </translation>
    </message>
    <message>
        <source>Am Period (years)     : </source>
        <translation>Amortissement (ans)&#xa0;: </translation>
    </message>
    <message>
        <source>Start Date                  : </source>
        <translation>Date de début       &#xa0;: </translation>
    </message>
    <message>
        <source>Length of Loan (years) : </source>
        <translation>Durée du prêt (ans)   &#xa0;: </translation>
    </message>
    <message>
        <source>Calculated Payment  : </source>
        <translation>Versement calculé    &#xa0;: </translation>
    </message>
    <message>
        <source>Payment Frequency : </source>
        <translation>Fréquence des versements&#xa0;: </translation>
    </message>
    <message>
        <source>Comment: </source>
        <translation>Commentaire&#xa0;: </translation>
    </message>
    <message>
        <source>Page: %1 of %2</source>
        <translation>Page&#xa0;: %1 de %2</translation>
    </message>
    <message>
        <source>Summary Schedule</source>
        <translation>Sommaire du prêt</translation>
    </message>
    <message>
        <source>Snapshot at Date: %1  (payment number: %2)</source>
        <translation>Situation au&#xa0;: %1  (versement numéro&#xa0;: %2)</translation>
    </message>
    <message>
        <source>Balance Remaining:</source>
        <translation>Solde restant&#xa0;:</translation>
    </message>
    <message>
        <source>$ Paid Out:</source>
        <translation>$ versés&#xa0;:</translation>
    </message>
    <message>
        <source>By Regular Payments:</source>
        <translation>Par versements réguliers&#xa0;:</translation>
    </message>
    <message>
        <source>By Lump Payments:</source>
        <translation>Par vers. forfaitaires&#xa0;:</translation>
    </message>
    <message>
        <source>Total Interest Paid to date:</source>
        <translation>Intérêts payés à ce jour&#xa0;:</translation>
    </message>
    <message>
        <source>Total Principle Paid to Date:</source>
        <translation>Capital payé à ce jour&#xa0;:</translation>
    </message>
    <message>
        <source>Extra $ Paid out as a result of</source>
        <translation>$ supplémentaires versés en raison</translation>
    </message>
    <message>
        <source>payment changes scheduled by user: </source>
        <translation>des changements de versement&#xa0;: </translation>
    </message>
    <message>
        <source>If this mortgage was to continue to</source>
        <translation>Si ce prêt hypothécaire continuait à</translation>
    </message>
    <message>
        <source>run, it would be paid off on:</source>
        <translation>courir, il serait remboursé le&#xa0;:</translation>
    </message>
    <message>
        <source>which is payment number:</source>
        <translation>soit le versement numéro&#xa0;:</translation>
    </message>
    <message>
        <source>There is no outstanding balance to run for this mortgage.</source>
        <translation>Ce prêt hypothécaire n&apos;a plus de solde à rembourser.</translation>
    </message>
    <message>
        <source>It has been paid in full.</source>
        <translation>Il a été remboursé en entier.</translation>
    </message>
    <message>
        <source>Schedule Payment Changes and Lump Payments</source>
        <translation>Changements de versement et versements forfaitaires</translation>
    </message>
    <message>
        <source>Date of Change</source>
        <translation>Date du chang.</translation>
    </message>
    <message>
        <source>Change to Payment</source>
        <translation>Changement de vers.</translation>
    </message>
    <message>
        <source>Lump Payment</source>
        <translation>Vers. forfaitaire</translation>
    </message>
    <message>
        <source>Loan Anniversaries only</source>
        <translation>Anniversaires du prêt seulement</translation>
    </message>
    <message>
        <source>Year Ends only</source>
        <translation>Fins d&apos;année seulement</translation>
    </message>
    <message>
        <source>All Payments</source>
        <translation>Tous les versements</translation>
    </message>
    <message>
        <source>Condensed Schedule of Payments</source>
        <translation>Tableau condensé des versements</translation>
    </message>
    <message>
        <source>Note:  Changes to Payments and/or Lump Payments have been processed in the following schedule.</source>
        <translation>Note&#xa0;:  Les changements de versement et versements forfaitaires sont compris dans ce tableau.</translation>
    </message>
    <message>
        <source>       They will not be displayed unless they happen to fall on a date reported.</source>
        <translation>        Ils ne paraissent que s&apos;ils tombent sur une date du tableau.</translation>
    </message>
    <message>
        <source>Note:  There are no Changes to Payments or Lump Payments processed in the following schedule.</source>
        <translation>Note&#xa0;:  Aucun changement de versement ni versement forfaitaire n&apos;est compris dans ce tableau.</translation>
    </message>
    <message>
        <source>Schedule of Payments</source>
        <translation>Tableau des versements</translation>
    </message>
    <message>
        <source>printable, %1 pages to print, resolution: %2</source>
        <translation>imprimable, %1 pages, détail&#xa0;: %2</translation>
    </message>
    <message>
        <source>printable, %1 pages to print</source>
        <translation>imprimable, %1 pages à imprimer</translation>
    </message>
    <message>
        <source>no changes scheduled therefore 0 pages to print</source>
        <translation>aucun changement prévu, donc 0 page à imprimer</translation>
    </message>
    <message>
        <source>printable, 1 page to print</source>
        <translation>imprimable, 1 page à imprimer</translation>
    </message>
    <message>
        <source>Mortgage Print Warning...</source>
        <translation>Avertissement d&apos;impression...</translation>
    </message>
    <message>
        <source>Warning,  It has been requested to print the Payment Changes<byte value="xd"/>and /or Lump Payments.  None are entered.  Printing the Payment Changes is being aborted.</source>
        <translation>Avertissement,  L&apos;impression des changements de versement<byte value="xd"/>et /ou des versements forfaitaires a été demandée.  Aucun n&apos;est entré.  L&apos;impression des changements de versement est annulée.</translation>
    </message>
</context>
<context>
    <name>Schedule Grid</name>
    <message>
        <source> Pay Num</source>
        <translation> Nº     vers.</translation>
    </message>
    <message>
        <source> Date of     Payment</source>
        <translation> Date du     versement</translation>
    </message>
    <message>
        <source> Payment     Amount</source>
        <translation> Montant     versé</translation>
    </message>
    <message>
        <source> Payment     Principle</source>
        <translation> Capital     versé</translation>
    </message>
    <message>
        <source> Payment     Interest</source>
        <translation> Intérêts     versés</translation>
    </message>
    <message>
        <source> Acc&apos;d       Principle</source>
        <translation> Capital     cumulé</translation>
    </message>
    <message>
        <source> Acc&apos;d       Interest</source>
        <translation> Intérêts     cumulés</translation>
    </message>
    <message>
        <source> Lump        Payment</source>
        <translation> Versement     forfait.</translation>
    </message>
    <message>
        <source> Change to   Payment</source>
        <translation> Écart de     versement</translation>
    </message>
    <message>
        <source> Remaining    Balance</source>
        <translation> Solde     restant</translation>
    </message>
</context>
<context>
    <name>Shopper Grid</name>
    <message>
        <source> Mortgage      Amount</source>
        <translation> Montant      du prêt</translation>
    </message>
    <message>
        <source> Interest        Rate</source>
        <translation> Taux        d&apos;intérêt</translation>
    </message>
    <message>
        <source> Amortiz&apos;n     Period</source>
        <translation> Période     d&apos;amort.</translation>
    </message>
    <message>
        <source> Monthly       Payment</source>
        <translation> Versement      mensuel</translation>
    </message>
    <message>
        <source> Weekly        Payment</source>
        <translation> Versement      hebdo.</translation>
    </message>
    <message>
        <source>Every Two     Weeks</source>
        <translation>Aux deux     semaines</translation>
    </message>
    <message>
        <source> Twice a        Month</source>
        <translation> Deux fois      par mois</translation>
    </message>
</context>
<context>
    <name>Shopper Report</name>
    <message>
        <source>Mortgage</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source> Interest</source>
        <translation> Taux</translation>
    </message>
    <message>
        <source>Amortization</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuel</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdo.</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Aux 2</translation>
    </message>
    <message>
        <source>Twice</source>
        <translation>Deux fois</translation>
    </message>
    <message>
        <source> Amount </source>
        <translation> du prêt </translation>
    </message>
    <message>
        <source>   Rate  </source>
        <translation> d&apos;intérêt</translation>
    </message>
    <message>
        <source>   Period  </source>
        <translation> d&apos;amort.</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>(vers.)</translation>
    </message>
    <message>
        <source>Two Weeks</source>
        <translation>semaines</translation>
    </message>
    <message>
        <source>A Month</source>
        <translation>par mois</translation>
    </message>
    <message>
        <source>Payment Shopper Results</source>
        <translation>Résultats du comparateur de versements</translation>
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
        <translation>Suggestions d&apos;économie</translation>
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
    <name>hl::CompareWindow</name>
    <message>
        <source>Changes entered for Scenario One</source>
        <translation>Changements au scénario un</translation>
    </message>
    <message>
        <source>Changes entered for Scenario Two</source>
        <translation>Changements au scénario deux</translation>
    </message>
    <message>
        <source>Mortgage Error Trap</source>
        <translation>Erreur de prêt hypothécaire</translation>
    </message>
    <message>
        <source>Error Start Date and Length of Loan MUST be completed before payment chanes can be entered.</source>
        <translation>Erreur&#xa0;: la date de début et la durée du terme DOIVENT être remplies avant de saisir des changements de versement.</translation>
    </message>
    <message>
        <source>Compare Scenarios - What If ?</source>
        <translation>Comparer des scénarios - Et si&#xa0;?</translation>
    </message>
    <message>
        <source>Input Variables</source>
        <translation>Données d&apos;entrée</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source> Quick Function</source>
        <translation> Fonction rapide</translation>
    </message>
    <message>
        <source>Scenario One </source>
        <translation>Scénario un </translation>
    </message>
    <message>
        <source>Scenario Two</source>
        <translation>Scénario deux</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Mortgage Amount:</source>
        <translation>Montant du prêt&#xa0;:</translation>
    </message>
    <message>
        <source>Interest Rate:</source>
        <translation>Taux d&apos;intérêt&#xa0;:</translation>
    </message>
    <message>
        <source>Amortization Period (yrs):</source>
        <translation>Amortissement (ans)&#xa0;:</translation>
    </message>
    <message>
        <source>Length of Mortgage (yrs):</source>
        <translation>Durée du terme (ans)&#xa0;:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Date de début&#xa0;:</translation>
    </message>
    <message>
        <source>Calculated Payment:</source>
        <translation>Versement calculé&#xa0;:</translation>
    </message>
    <message>
        <source>Closing Date:</source>
        <translation>Date d&apos;échéance&#xa0;:</translation>
    </message>
    <message>
        <source>Balance still Outstanding: </source>
        <translation>Solde impayé&#xa0;: </translation>
    </message>
    <message>
        <source>$ Paid:    Regular Payments:</source>
        <translation>$ payés&#xa0;:    réguliers&#xa0;:</translation>
    </message>
    <message>
        <source>                  Lump Payments     :</source>
        <translation>                  forfaitaires&#xa0;:</translation>
    </message>
    <message>
        <source>Total Principle Paid to Date:</source>
        <translation>Capital payé à ce jour&#xa0;:</translation>
    </message>
    <message>
        <source>Total Interest Paid to Date: </source>
        <translation>Intérêts payés à ce jour&#xa0;: </translation>
    </message>
    <message>
        <source> - Scenario One</source>
        <translation> - scénario un</translation>
    </message>
    <message>
        <source> - Scenario Two</source>
        <translation> - scénario deux</translation>
    </message>
    <message>
        <source>Payment Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Payment Frequency - Scenario One</source>
        <translation>Fréquence des versements - scénario un</translation>
    </message>
    <message>
        <source>Payment Frequency - Scenario Two</source>
        <translation>Fréquence des versements - scénario deux</translation>
    </message>
    <message>
        <source>View Payment Changes</source>
        <translation>Voir les changements</translation>
    </message>
    <message>
        <source>Enter Payment Changes</source>
        <translation>Saisir les changements</translation>
    </message>
    <message>
        <source>Balance still Outstanding - Difference</source>
        <translation>Solde impayé - différence</translation>
    </message>
    <message>
        <source>Regular Payments - Difference</source>
        <translation>Versements réguliers - différence</translation>
    </message>
    <message>
        <source>Lump Payments - Difference</source>
        <translation>Versements forfaitaires - différence</translation>
    </message>
    <message>
        <source>Gross Saving:</source>
        <translation>Économie brute&#xa0;:</translation>
    </message>
    <message>
        <source>Net Saving:</source>
        <translation>Économie nette&#xa0;:</translation>
    </message>
    <message>
        <source>Gross Saving</source>
        <translation>Économie brute</translation>
    </message>
    <message>
        <source>Net Saving</source>
        <translation>Économie nette</translation>
    </message>
    <message>
        <source>Copy Scenario   1 to 2</source>
        <translation>Copier le scénario   1 dans 2</translation>
    </message>
    <message>
        <source>Clear Scenario 2</source>
        <translation>Effacer le scénario 2</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>hl::EarlyDischargeWindow</name>
    <message>
        <source>Mortgage Hint Box</source>
        <translation>Conseils sur le prêt hypothécaire</translation>
    </message>
    <message>
        <source>This form calculates the Early Discharge Penalty.  This is the money the lender <byte value="xd"/>charges you to discharge a closed mortgage before it&apos;s renewal date.<byte value="xd"/><byte value="xd"/>This is usually considered when you want to move your mortgage to another lender<byte value="xd"/>or to renegotiate your mortgage before it&apos;s term ends.  A common reason to do this<byte value="xd"/>is to save money because interest rates have dropped.<byte value="xd"/><byte value="xd"/> Enter the Discharge Date and Interest Rate on this form and the penalties are calculated<byte value="xd"/>for you.  Please press the [Explain Penalties] button for a description of these penalties<byte value="xd"/>and tips to help you save penalty costs.</source>
        <translation>Ce formulaire calcule la pénalité pour remboursement anticipé, soit la somme que le prêteur<byte value="xd"/>vous demande pour rembourser un prêt hypothécaire fermé avant sa date de renouvellement.<byte value="xd"/><byte value="xd"/>On y pense habituellement quand on veut transférer son prêt hypothécaire à un autre prêteur<byte value="xd"/>ou le renégocier avant la fin de son terme. On le fait souvent pour économiser<byte value="xd"/>parce que les taux d&apos;intérêt ont baissé.<byte value="xd"/><byte value="xd"/>Entrez la date de remboursement et le taux d&apos;intérêt dans ce formulaire&#xa0;: les pénalités sont<byte value="xd"/>calculées pour vous. Appuyez sur le bouton [Expliquer les pénalités] pour une description de ces<byte value="xd"/>pénalités et des conseils pour en réduire le coût.</translation>
    </message>
    <message>
        <source>Explain Discharge Penalties Hint Box</source>
        <translation>Explication des pénalités pour remboursement anticipé</translation>
    </message>
    <message>
        <source>Since each financial institution calculates this penalty differently, this form<byte value="xd"/>displays three different methods of calculating the Interest Rate Differential penalty.<byte value="xd"/>Choose whichever one comes closest to the penalty your institution charges.<byte value="xd"/><byte value="xd"/>If in doubt, use the Actual Scenario Calculation IRD value.<byte value="xd"/><byte value="xd"/>The applicable penalty is the GREATER of the Interest Rate Differential Penalty and <byte value="xd"/>the Three Month Interest Penalty.<byte value="xd"/><byte value="xd"/>Some mortgages are subject to the Three Monthly Penalty (not the Interest Rate Differential).<byte value="xd"/>if the mortgage has been running for 3 years.  This applies for some mortgage contracts and<byte value="xd"/>those that are CMHC insured.<byte value="xd"/><byte value="xd"/>CHECK WITH YOUR LENDER ABOUT THIS.  THEY DON&apos;T ADVERTISE THIS FACT.</source>
        <translation>Comme chaque institution financière calcule cette pénalité à sa façon, ce formulaire<byte value="xd"/>affiche trois méthodes de calcul de la pénalité du différentiel de taux d&apos;intérêt.<byte value="xd"/>Choisissez celle qui se rapproche le plus de la pénalité que votre institution exige.<byte value="xd"/><byte value="xd"/>En cas de doute, utilisez le différentiel du scénario réel.<byte value="xd"/><byte value="xd"/>La pénalité applicable est la PLUS ÉLEVÉE de la pénalité du différentiel de taux d&apos;intérêt et<byte value="xd"/>de la pénalité de trois mois d&apos;intérêts.<byte value="xd"/><byte value="xd"/>Certains prêts hypothécaires ne sont soumis qu&apos;à la pénalité de trois mois d&apos;intérêts (et non au<byte value="xd"/>différentiel de taux d&apos;intérêt) si le prêt court depuis 3 ans. C&apos;est le cas de certains contrats<byte value="xd"/>et des prêts assurés par la SCHL.<byte value="xd"/><byte value="xd"/>VÉRIFIEZ-LE AUPRÈS DE VOTRE PRÊTEUR. IL NE L&apos;ANNONCE PAS.</translation>
    </message>
    <message>
        <source>Early Discharge Calculation (Estimate)</source>
        <translation>Calcul du remboursement anticipé (estimation)</translation>
    </message>
    <message>
        <source>Penalty Charged to Discharge a Mortgage before it&apos;s term</source>
        <translation>Pénalité exigée pour rembourser un prêt hypothécaire avant la fin du terme</translation>
    </message>
    <message>
        <source>Mortgage runs from:</source>
        <translation>Le prêt court du&#xa0;:</translation>
    </message>
    <message>
        <source>To</source>
        <translation>au</translation>
    </message>
    <message>
        <source>Mortgage runs to</source>
        <translation>Le prêt court jusqu&apos;au</translation>
    </message>
    <message>
        <source>Discharge Date:</source>
        <translation>Date de remboursement&#xa0;:</translation>
    </message>
    <message>
        <source>Interest Rate:</source>
        <translation>Taux d&apos;intérêt&#xa0;:</translation>
    </message>
    <message>
        <source>  Interest Rate Differential Calculations</source>
        <translation>  Différentiel de taux d&apos;intérêt</translation>
    </message>
    <message>
        <source>Future Value Method:</source>
        <translation>Valeur future&#xa0;:</translation>
    </message>
    <message>
        <source>Accumlated Interest Method:</source>
        <translation>Intérêts cumulés&#xa0;:</translation>
    </message>
    <message>
        <source>Actual Scenario Calculation:</source>
        <translation>Scénario réel&#xa0;:</translation>
    </message>
    <message>
        <source>Three Month Interest Penalty:</source>
        <translation>Trois mois d&apos;intérêts&#xa0;:</translation>
    </message>
    <message>
        <source>Very large lump payments may render some inaccurate results.</source>
        <translation>De très gros versements forfaitaires peuvent fausser certains résultats.</translation>
    </message>
    <message>
        <source>Explain this form</source>
        <translation>Expliquer ce formulaire</translation>
    </message>
    <message>
        <source>Explain Penalties</source>
        <translation>Expliquer les pénalités</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>hl::EstimateWindow</name>
    <message>
        <source>Estimating the Amount of Mortgage Required</source>
        <translation>Estimation du montant du prêt hypothécaire requis</translation>
    </message>
    <message>
        <source>Display a Sample</source>
        <translation>Afficher un exemple</translation>
    </message>
    <message>
        <source>Clear all Boxes</source>
        <translation>Vider toutes les cases</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Property Purchase Price:</source>
        <translation>Prix d&apos;achat de la propriété&#xa0;:</translation>
    </message>
    <message>
        <source>Plus: Other Expenses</source>
        <translation>Plus&#xa0;: autres frais</translation>
    </message>
    <message>
        <source>Legal Fees               (including disbursements)</source>
        <translation>Frais juridiques        (débours compris)</translation>
    </message>
    <message>
        <source>Land Transfer tax adjustment</source>
        <translation>Droits de mutation immobilière</translation>
    </message>
    <message>
        <source>Utility Adjustments</source>
        <translation>Rajustements des services publics</translation>
    </message>
    <message>
        <source>Property Tax Adjustments</source>
        <translation>Rajustements de l&apos;impôt foncier</translation>
    </message>
    <message>
        <source>Property Survey</source>
        <translation>Certificat de localisation</translation>
    </message>
    <message>
        <source>Appraisal Fee</source>
        <translation>Frais d&apos;évaluation</translation>
    </message>
    <message>
        <source>House Inspection</source>
        <translation>Inspection de la maison</translation>
    </message>
    <message>
        <source>Moving Expenses</source>
        <translation>Frais de déménagement</translation>
    </message>
    <message>
        <source>Home Insurance</source>
        <translation>Assurance habitation</translation>
    </message>
    <message>
        <source>Immediate Repairs</source>
        <translation>Réparations immédiates</translation>
    </message>
    <message>
        <source>Subtotal of Other Expenses</source>
        <translation>Sous-total des autres frais</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Total Estimated Purchase Cost:</source>
        <translation>Coût d&apos;achat total estimé&#xa0;:</translation>
    </message>
    <message>
        <source>Less:</source>
        <translation>Moins&#xa0;:</translation>
    </message>
    <message>
        <source>Purchase Deposit</source>
        <translation>Acompte sur l&apos;achat</translation>
    </message>
    <message>
        <source>$ from other property sale</source>
        <translation>$ de la vente d&apos;une autre propriété</translation>
    </message>
    <message>
        <source>Subtotal of Funds</source>
        <translation>Sous-total des fonds</translation>
    </message>
    <message>
        <source>Other Personal Funds</source>
        <translation>Autres fonds personnels</translation>
    </message>
    <message>
        <source>Estimated Amount to be mortgaged:</source>
        <translation>Montant estimé du prêt hypothécaire&#xa0;:</translation>
    </message>
    <message>
        <source>High Ratio Mortgages (financing more than  75 % of purchase price)  must be CMHC insured (this can be up to 2.5 %)</source>
        <translation>Les prêts hypothécaires à ratio élevé (financement de plus de 75&#xa0;% du prix d&apos;achat) doivent être assurés par la SCHL (jusqu&apos;à 2,5&#xa0;%)</translation>
    </message>
    <message>
        <source>Current rules...</source>
        <translation>Règles en vigueur...</translation>
    </message>
</context>
<context>
    <name>hl::GraphWindow</name>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Line Label:</source>
        <translation>Courbe&#xa0;:</translation>
    </message>
    <message>
        <source>Start Point:</source>
        <translation>Point de départ&#xa0;:</translation>
    </message>
    <message>
        <source>End Point:</source>
        <translation>Point d&apos;arrivée&#xa0;:</translation>
    </message>
    <message>
        <source>X over point:</source>
        <translation>Point de croisement&#xa0;:</translation>
    </message>
    <message>
        <source>Crossover Point (if one only) Data</source>
        <translation>Point de croisement (s&apos;il n&apos;y en a qu&apos;un)</translation>
    </message>
    <message>
        <source>Date of Xover:</source>
        <translation>Date du croisement&#xa0;:</translation>
    </message>
    <message>
        <source>First Line Label</source>
        <translation>Nom de la première courbe</translation>
    </message>
    <message>
        <source>First Start Point</source>
        <translation>Point de départ de la première courbe</translation>
    </message>
    <message>
        <source>First End Point</source>
        <translation>Point d&apos;arrivée de la première courbe</translation>
    </message>
    <message>
        <source>Second Line Label</source>
        <translation>Nom de la deuxième courbe</translation>
    </message>
    <message>
        <source>Second Start Point</source>
        <translation>Point de départ de la deuxième courbe</translation>
    </message>
    <message>
        <source>Second End Point</source>
        <translation>Point d&apos;arrivée de la deuxième courbe</translation>
    </message>
    <message>
        <source>Crossover point caption</source>
        <translation>Légende du point de croisement</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
    <name>hl::LenderTermsWindow</name>
    <message>
        <source>Lender&apos;s Terms and Penalty</source>
        <translation>Conditions et pénalité du prêteur</translation>
    </message>
    <message>
        <source>The lender&apos;s terms</source>
        <translation>Les conditions du prêteur</translation>
    </message>
    <message>
        <source>&amp;Lump-sum privilege (% of amount):</source>
        <translation>Privi&amp;lège forfaitaire (% du montant)&#xa0;:</translation>
    </message>
    <message>
        <source>Calendar &amp;year</source>
        <translation>Année ci&amp;vile</translation>
    </message>
    <message>
        <source>Calendar year</source>
        <translation>Année civile</translation>
    </message>
    <message>
        <source>Loa&amp;n year</source>
        <translation>Année du &amp;prêt</translation>
    </message>
    <message>
        <source>Loan year</source>
        <translation>Année du prêt</translation>
    </message>
    <message>
        <source>Payment &amp;increase privilege (% of payment):</source>
        <translation>Privilège d&apos;au&amp;gmentation (% du versement)&#xa0;:</translation>
    </message>
    <message>
        <source>Posted rate at si&amp;gning (%):</source>
        <translation>Taux affic&amp;hé à la signature (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Disco&amp;unt received (%):</source>
        <translation>Ra&amp;bais obtenu (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Today&apos;s posted &amp;rate, nearest term (%):</source>
        <translation>Taux affiché du &amp;jour, terme proche (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Reinvest&amp;ment or discharge fee ($):</source>
        <translation>Frais de réinvestissement ou &amp;quittance ($)&#xa0;:</translation>
    </message>
    <message>
        <source>Cash &amp;back received at signing ($):</source>
        <translation>Re&amp;mise en argent reçue à la signature ($)&#xa0;:</translation>
    </message>
    <message>
        <source>Cash back clawed back by &amp;whole months left</source>
        <translation>Remise récupérée par mois &amp;entiers restants</translation>
    </message>
    <message>
        <source>Cash back clawed back by whole months left</source>
        <translation>Remise récupérée par mois entiers restants</translation>
    </message>
    <message>
        <source>Term l&amp;onger than five years</source>
        <translation>Terme de pl&amp;us de cinq ans</translation>
    </message>
    <message>
        <source>Term longer than five years</source>
        <translation>Terme de plus de cinq ans</translation>
    </message>
    <message>
        <source>The lender&apos;s penalty</source>
        <translation>La pénalité du prêteur</translation>
    </message>
    <message>
        <source>&amp;Discharge date:</source>
        <translation>Date de &amp;remboursement&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Prepayment planned ($):</source>
        <translation>Remboursement an&amp;ticipé prévu ($)&#xa0;:</translation>
    </message>
    <message>
        <source>Balance on the date:</source>
        <translation>Solde à la date&#xa0;:</translation>
    </message>
    <message>
        <source>Whole months left in the term:</source>
        <translation>Mois entiers restants au terme&#xa0;:</translation>
    </message>
    <message>
        <source>Three months&apos; interest:</source>
        <translation>Intérêts de trois mois&#xa0;:</translation>
    </message>
    <message>
        <source>Lender&apos;s interest rate differential:</source>
        <translation>Différentiel de taux d&apos;intérêt du prêteur&#xa0;:</translation>
    </message>
    <message>
        <source>Penalty charged:</source>
        <translation>Pénalité exigée&#xa0;:</translation>
    </message>
    <message>
        <source>Fee:</source>
        <translation>Frais&#xa0;:</translation>
    </message>
    <message>
        <source>Cash back clawed back:</source>
        <translation>Remise récupérée&#xa0;:</translation>
    </message>
    <message>
        <source>Total to discharge:</source>
        <translation>Total pour rembourser&#xa0;:</translation>
    </message>
    <message>
        <source>Prepayment free of charge on the date:</source>
        <translation>Montant remboursable sans frais à la date&#xa0;:</translation>
    </message>
    <message>
        <source>Charge on the prepayment planned:</source>
        <translation>Frais sur le remboursement prévu&#xa0;:</translation>
    </message>
    <message>
        <source>Textbook figures (Early Discharge Penalties)</source>
        <translation>Chiffres théoriques (remboursement anticipé)</translation>
    </message>
    <message>
        <source>Future Value Method:</source>
        <translation>Méthode de la valeur future&#xa0;:</translation>
    </message>
    <message>
        <source>Accumulated Interest Method:</source>
        <translation>Méthode des intérêts cumulés&#xa0;:</translation>
    </message>
    <message>
        <source>Actual Scenario Calculation:</source>
        <translation>Calcul selon le scénario réel&#xa0;:</translation>
    </message>
    <message>
        <source>Three Month Interest Penalty:</source>
        <translation>Pénalité de trois mois d&apos;intérêts&#xa0;:</translation>
    </message>
    <message>
        <source>The plan against the privileges</source>
        <translation>Le plan comparé aux privilèges</translation>
    </message>
    <message>
        <source>The plan against the privileges, year by year</source>
        <translation>Le plan comparé aux privilèges, année par année</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Lumps</source>
        <translation>Forfaitaires</translation>
    </message>
    <message>
        <source>Lump limit</source>
        <translation>Forfait permis</translation>
    </message>
    <message>
        <source>Largest increase</source>
        <translation>Hausse maximale</translation>
    </message>
    <message>
        <source>Increase limit</source>
        <translation>Hausse permise</translation>
    </message>
    <message>
        <source>Excess</source>
        <translation>Excédent</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Within your privileges.</source>
        <translation>Dans les limites de vos privilèges.</translation>
    </message>
    <message>
        <source>The plan goes beyond your privileges first on %1.</source>
        <translation>Le plan dépasse vos privilèges pour la première fois le %1.</translation>
    </message>
    <message>
        <source>Type today&apos;s posted rate and a discharge date to see the lender&apos;s penalty.</source>
        <translation>Entrez le taux affiché du jour et une date de remboursement pour voir la pénalité du prêteur.</translation>
    </message>
    <message>
        <source>More than five years of a longer term have passed: the charge is limited to three months&apos; interest.</source>
        <translation>Plus de cinq ans d&apos;un terme plus long sont écoulés&#xa0;: la pénalité se limite aux intérêts de trois mois.</translation>
    </message>
    <message>
        <source>Today&apos;s posted rate less the discount is not below the contract rate: no differential, the charge is three months&apos; interest.</source>
        <translation>Le taux affiché du jour moins le rabais n&apos;est pas inférieur au taux du contrat&#xa0;: aucun différentiel, la pénalité est de trois mois d&apos;intérêts.</translation>
    </message>
    <message>
        <source>The charge is the differential, the greater of the two.</source>
        <translation>La pénalité est le différentiel, le plus élevé des deux montants.</translation>
    </message>
    <message>
        <source>The charge is three months&apos; interest, the greater of the two.</source>
        <translation>La pénalité est de trois mois d&apos;intérêts, le plus élevé des deux montants.</translation>
    </message>
    <message>
        <source>At %1 % (the Early Discharge Penalties window&apos;s rate).</source>
        <translation>À %1&#xa0;% (le taux de la fenêtre du remboursement anticipé).</translation>
    </message>
    <message>
        <source>At %1 % (today&apos;s posted rate less the discount).</source>
        <translation>À %1&#xa0;% (le taux affiché du jour moins le rabais).</translation>
    </message>
    <message>
        <source>No textbook figures: the rate compared with is not above 0.</source>
        <translation>Aucun chiffre théorique&#xa0;: le taux de comparaison n&apos;est pas supérieur à 0.</translation>
    </message>
    <message>
        <source>No textbook figures: the early discharge window counts from the first payment.</source>
        <translation>Aucun chiffre théorique&#xa0;: la fenêtre du remboursement anticipé compte à partir du premier versement.</translation>
    </message>
    <message>
        <source>Privileges counted by:</source>
        <translation>Privilèges comptés par&#xa0;:</translation>
    </message>
    <message>
        <source>loan year</source>
        <translation>année du prêt</translation>
    </message>
    <message>
        <source>calendar year</source>
        <translation>année civile</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1&#xa0;:</translation>
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
        <source>Buying a &amp;Home</source>
        <translation>&amp;Achat d&apos;une maison</translation>
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
        <source>&amp;Lender&apos;s Terms and Penalty</source>
        <translation>&amp;Conditions et pénalité du prêteur</translation>
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
        <source>Buying a Home</source>
        <translation>Achat d&apos;une maison</translation>
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
        <source>Lender&apos;s Terms and Penalty</source>
        <translation>Conditions et pénalité du prêteur</translation>
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
        <translation>Ce formulaire présente le tableau de vos versements prévus.  Vous pouvez<byte value="xd"/>y saisir vos changements de versement et vos versements forfaitaires.<byte value="xd"/><byte value="xd"/>IMPORTANT&#xa0;!!<byte value="xd"/><byte value="xd"/>Comme dans la plupart des banques, un changement de versement est<byte value="xd"/>appliqué AVANT le traitement du versement régulier, alors qu&apos;un<byte value="xd"/>versement forfaitaire est déduit APRÈS ce traitement.</translation>
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
        <translation>Formulaires à imprimer&#xa0;:</translation>
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
    <name>hl::PurchaseWindow</name>
    <message>
        <source>Buying a Home</source>
        <translation>Achat d&apos;une maison</translation>
    </message>
    <message>
        <source>dollars</source>
        <translation>dollars</translation>
    </message>
    <message>
        <source>% of price</source>
        <translation>% du prix</translation>
    </message>
    <message>
        <source>no city tax</source>
        <translation>sans taxe locale</translation>
    </message>
    <message>
        <source>Toronto</source>
        <translation>Toronto</translation>
    </message>
    <message>
        <source>Montreal</source>
        <translation>Montréal</translation>
    </message>
    <message>
        <source>First-time buyer</source>
        <translation>Premier acheteur</translation>
    </message>
    <message>
        <source>New build</source>
        <translation>Construction neuve</translation>
    </message>
    <message>
        <source>&amp;Use as Scenario</source>
        <translation>&amp;Utiliser comme scénario</translation>
    </message>
    <message>
        <source>Use &amp;in Estimate</source>
        <translation>Envo&amp;yer à l&apos;estimation</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The purchase</source>
        <translation>L&apos;achat</translation>
    </message>
    <message>
        <source>&amp;Price:</source>
        <translation>&amp;Prix d&apos;achat&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Down payment:</source>
        <translation>&amp;Mise de fonds&#xa0;:</translation>
    </message>
    <message>
        <source>Down payment in</source>
        <translation>Mise de fonds en</translation>
    </message>
    <message>
        <source>Pr&amp;ovince:</source>
        <translation>Pro&amp;vince&#xa0;:</translation>
    </message>
    <message>
        <source>Cit&amp;y:</source>
        <translation>Vi&amp;lle&#xa0;:</translation>
    </message>
    <message>
        <source>A&amp;mortization (years):</source>
        <translation>Période d&apos;amo&amp;rtissement (ans)&#xa0;:</translation>
    </message>
    <message>
        <source>Contract &amp;rate (%):</source>
        <translation>&amp;Taux du contrat (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Fre&amp;quency:</source>
        <translation>Fré&amp;quence&#xa0;:</translation>
    </message>
    <message>
        <source>C&amp;losing date (YYYY-MM-DD):</source>
        <translation>Date de clôture (AAAA-MM-&amp;JJ)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Gross household income a year:</source>
        <translation>Revenu &amp;brut du ménage par année&#xa0;:</translation>
    </message>
    <message>
        <source>Property ta&amp;xes a year:</source>
        <translation>Ta&amp;xes foncières par année&#xa0;:</translation>
    </message>
    <message>
        <source>Heati&amp;ng a month:</source>
        <translation>Chauffa&amp;ge par mois&#xa0;:</translation>
    </message>
    <message>
        <source>Condo fees a month:</source>
        <translation>Frais de copropriété par mois&#xa0;:</translation>
    </message>
    <message>
        <source>Other de&amp;bt payments a month:</source>
        <translation>Autres paiements de d&amp;ettes par mois&#xa0;:</translation>
    </message>
    <message>
        <source>Transfer tax (&amp;keyed in):</source>
        <translation>Droits de mutation (&amp;hors table)&#xa0;:</translation>
    </message>
    <message>
        <source>What it takes</source>
        <translation>Ce qu&apos;il faut</translation>
    </message>
    <message>
        <source>Minimum down payment:</source>
        <translation>Mise de fonds minimale&#xa0;:</translation>
    </message>
    <message>
        <source>Loan to value (%):</source>
        <translation>Ratio prêt-valeur (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Insurance premium rate (%):</source>
        <translation>Taux de la prime d&apos;assurance (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Insurance premium:</source>
        <translation>Prime d&apos;assurance&#xa0;:</translation>
    </message>
    <message>
        <source>Tax on the premium (cash):</source>
        <translation>Taxe sur la prime (comptant)&#xa0;:</translation>
    </message>
    <message>
        <source>Total mortgage:</source>
        <translation>Prêt hypothécaire total&#xa0;:</translation>
    </message>
    <message>
        <source>Payment:</source>
        <translation>Versement&#xa0;:</translation>
    </message>
    <message>
        <source>Qualifying rate (%):</source>
        <translation>Taux de qualification (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Qualifying Monthly payment:</source>
        <translation>Versement mensuel de qualification&#xa0;:</translation>
    </message>
    <message>
        <source>GDS (%):</source>
        <translation>ABD (%)&#xa0;:</translation>
    </message>
    <message>
        <source>TDS (%):</source>
        <translation>ATD (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Largest mortgage that qualifies:</source>
        <translation>Prêt hypothécaire maximal admissible&#xa0;:</translation>
    </message>
    <message>
        <source>Land transfer tax:</source>
        <translation>Droits de mutation immobilière&#xa0;:</translation>
    </message>
    <message>
        <source>Municipal transfer tax:</source>
        <translation>Droits de mutation municipaux&#xa0;:</translation>
    </message>
    <message>
        <source>Rebates:</source>
        <translation>Remboursements&#xa0;:</translation>
    </message>
    <message>
        <source>Net transfer tax:</source>
        <translation>Droits de mutation nets&#xa0;:</translation>
    </message>
    <message>
        <source>Cash needed at closing:</source>
        <translation>Somme requise à la clôture&#xa0;:</translation>
    </message>
    <message>
        <source>The rule tables could not be read: %1</source>
        <translation>Les tables de règles n&apos;ont pu être lues&#xa0;: %1</translation>
    </message>
    <message>
        <source>The closing date is not a date (YYYY-MM-DD): the rules in force today, %1, are used.</source>
        <translation>La date de clôture n&apos;est pas une date (AAAA-MM-JJ)&#xa0;: les règles en vigueur aujourd&apos;hui, le %1, s&apos;appliquent.</translation>
    </message>
    <message>
        <source>The rules in force on %1 are used.</source>
        <translation>Les règles en vigueur le %1 s&apos;appliquent.</translation>
    </message>
    <message>
        <source>Type the price, the down payment and the contract rate.</source>
        <translation>Entrez le prix, la mise de fonds et le taux du contrat.</translation>
    </message>
    <message>
        <source>Cannot be financed so: %1.</source>
        <translation>Financement impossible ainsi&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Qualifies: within both limits (GDS %1 %, TDS %2 %).</source>
        <translation>Admissible&#xa0;: sous les deux limites (ABD %1&#xa0;%, ATD %2&#xa0;%).</translation>
    </message>
    <message>
        <source>Does not qualify: above both limits (GDS %1 %, TDS %2 %).</source>
        <translation>Non admissible&#xa0;: au-dessus des deux limites (ABD %1&#xa0;%, ATD %2&#xa0;%).</translation>
    </message>
    <message>
        <source>Does not qualify: above the GDS limit of %1 %.</source>
        <translation>Non admissible&#xa0;: au-dessus de la limite ABD de %1&#xa0;%.</translation>
    </message>
    <message>
        <source>Does not qualify: above the TDS limit of %1 %.</source>
        <translation>Non admissible&#xa0;: au-dessus de la limite ATD de %1&#xa0;%.</translation>
    </message>
    <message>
        <source>Type the gross household income for GDS and TDS.</source>
        <translation>Entrez le revenu brut du ménage pour les ratios ABD et ATD.</translation>
    </message>
    <message>
        <source>No transfer tax table is held for %1: type the amount in the transfer tax box.</source>
        <translation>Aucune table de droits de mutation pour %1&#xa0;: entrez le montant dans la case des droits de mutation.</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Down payment (% of price)</source>
        <translation>Mise de fonds (% du prix)</translation>
    </message>
    <message>
        <source>Down payment</source>
        <translation>Mise de fonds</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>Province</translation>
    </message>
    <message>
        <source>Buyer</source>
        <translation>Acheteur</translation>
    </message>
    <message>
        <source>first-time buyer</source>
        <translation>premier acheteur</translation>
    </message>
    <message>
        <source>not first-time</source>
        <translation>pas un premier acheteur</translation>
    </message>
    <message>
        <source>Amortization (years)</source>
        <translation>Période d&apos;amortissement (ans)</translation>
    </message>
    <message>
        <source>Contract rate (%)</source>
        <translation>Taux du contrat (%)</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Closing date</source>
        <translation>Date de clôture</translation>
    </message>
    <message>
        <source>Mortgage Input Violation</source>
        <translation>Saisie non conforme – prêt hypothécaire</translation>
    </message>
    <message>
        <source>Warning - possible data loss...</source>
        <translation>Avertissement - perte de données possible...</translation>
    </message>
    <message>
        <source>There is no mortgage to use yet: the purchase has no figures.</source>
        <translation>Il n&apos;y a pas encore de prêt hypothécaire à utiliser&#xa0;: l&apos;achat n&apos;a aucun chiffre.</translation>
    </message>
    <message>
        <source>The total mortgage of %1 is above the 500000 the input form takes.</source>
        <translation>Le prêt hypothécaire total de %1 dépasse les 500000 que le formulaire de saisie accepte.</translation>
    </message>
    <message>
        <source>A scenario is entered.  Do you want its amount, rate, amortization and frequency replaced by this purchase&apos;s?<byte value="xd"/>Its payment changes and lump payments will be erased, as the frequency changes.</source>
        <translation>Un scénario est entré.  Voulez-vous remplacer son montant, son taux, sa période d&apos;amortissement et sa fréquence par ceux de cet achat?<byte value="xd"/>Ses changements de versement et ses versements forfaitaires seront effacés, puisque la fréquence change.</translation>
    </message>
    <message>
        <source>A scenario is entered.  Do you want its amount, rate, amortization and frequency replaced by this purchase&apos;s?</source>
        <translation>Un scénario est entré.  Voulez-vous remplacer son montant, son taux, sa période d&apos;amortissement et sa fréquence par ceux de cet achat?</translation>
    </message>
    <message>
        <source>There is no transfer tax to use yet: the purchase has no figures.</source>
        <translation>Il n&apos;y a pas encore de droits de mutation à utiliser&#xa0;: l&apos;achat n&apos;a aucun chiffre.</translation>
    </message>
    <message>
        <source>first-time buyer, new build</source>
        <translation>premier acheteur, construction neuve</translation>
    </message>
    <message>
        <source>not first-time, new build</source>
        <translation>pas un premier acheteur, construction neuve</translation>
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
    <name>hl::RefinanceSearchWindow</name>
    <message>
        <source>Mortgage Input Error</source>
        <translation>Erreur de saisie</translation>
    </message>
    <message>
        <source>Error, this is not a valid date.  <byte value="xd"/>A valid date (or nothing) must be entered to continue.<byte value="xd"/><byte value="xd"/>Do you want to correct your input. (Selecting [No] will clear the field).</source>
        <translation>Erreur&#xa0;: cette date n&apos;est pas valide.<byte value="xd"/>Une date valide (ou rien) doit être entrée pour continuer.<byte value="xd"/><byte value="xd"/>Voulez-vous corriger votre saisie&#xa0;? (Choisir [Non] videra le champ.)</translation>
    </message>
    <message>
        <source> Discharge Date</source>
        <translation> Date de  remboursement</translation>
    </message>
    <message>
        <source> Max Interest Rate Value</source>
        <translation> Taux d&apos;intérêt  maximal</translation>
    </message>
    <message>
        <source> Payment     Used</source>
        <translation> Versement  utilisé</translation>
    </message>
    <message>
        <source> Penalty     Used</source>
        <translation> Pénalité  appliquée</translation>
    </message>
    <message>
        <source> Discharge   Bal Fwd</source>
        <translation> Solde au  remboursement</translation>
    </message>
    <message>
        <source> Bal Fwd of  Scenario</source>
        <translation> Solde du  scénario</translation>
    </message>
    <message>
        <source> Saving</source>
        <translation> Économie</translation>
    </message>
    <message>
        <source>Refinance - Solve for both Date and Interest Rate</source>
        <translation>Refinancement - Trouver la date et le taux d&apos;intérêt</translation>
    </message>
    <message>
        <source>Purpose:</source>
        <translation>But&#xa0;:</translation>
    </message>
    <message>
        <source>Create a table showing the maximum value the interest rate can be (for a specific date) so that a rewrite is feasible.</source>
        <translation>Dresser un tableau du taux d&apos;intérêt maximal (pour une date donnée) qui rend un refinancement avantageux.</translation>
    </message>
    <message>
        <source>Begin study at Discharge Date:</source>
        <translation>Début de l&apos;étude à la date de remboursement&#xa0;:</translation>
    </message>
    <message>
        <source>Begin study at Discharge Date</source>
        <translation>Début de l&apos;étude à la date de remboursement</translation>
    </message>
    <message>
        <source>Interest Rate Cap:</source>
        <translation>Plafond du taux d&apos;intérêt&#xa0;:</translation>
    </message>
    <message>
        <source>Interest Rate Cap</source>
        <translation>Plafond du taux d&apos;intérêt</translation>
    </message>
    <message>
        <source>Additional Costs:</source>
        <translation>Frais supplémentaires&#xa0;:</translation>
    </message>
    <message>
        <source>Additional Costs</source>
        <translation>Frais supplémentaires</translation>
    </message>
    <message>
        <source> Solve For </source>
        <translation> Trouver </translation>
    </message>
    <message>
        <source>Date and Interest Rate</source>
        <translation>Date et taux d&apos;intérêt</translation>
    </message>
    <message>
        <source>Date only (fixed interest rate)</source>
        <translation>Date seulement (taux fixé)</translation>
    </message>
    <message>
        <source>Interest Rate only (fixed date)</source>
        <translation>Taux seulement (date fixée)</translation>
    </message>
    <message>
        <source> Penalty to Apply</source>
        <translation> Pénalité à appliquer</translation>
    </message>
    <message>
        <source>Calculated Scenario Method</source>
        <translation>Méthode du scénario calculé</translation>
    </message>
    <message>
        <source>Future Value Method</source>
        <translation>Méthode de la valeur future</translation>
    </message>
    <message>
        <source>Acc. Interest Method</source>
        <translation>Méthode des intérêts cumulés</translation>
    </message>
    <message>
        <source>Apply CMHC 3 year rule:</source>
        <translation>Règle des 3 ans (SCHL)&#xa0;:</translation>
    </message>
    <message>
        <source>(If mortgage has been running for 3 years it is subject to the 3 month interest penalty, not the interest rate differential penalty.)</source>
        <translation>(Si le prêt court depuis 3 ans, il est soumis à la pénalité de trois mois d&apos;intérêts, et non à la pénalité du différentiel de taux d&apos;intérêt.)</translation>
    </message>
    <message>
        <source>Checking Date:</source>
        <translation>Date examinée&#xa0;:</translation>
    </message>
    <message>
        <source>Checking Date</source>
        <translation>Date examinée</translation>
    </message>
    <message>
        <source>for interest rate:</source>
        <translation>au taux d&apos;intérêt&#xa0;:</translation>
    </message>
    <message>
        <source>for interest rate</source>
        <translation>au taux d&apos;intérêt</translation>
    </message>
    <message>
        <source>Discharge BF:</source>
        <translation>Solde reporté&#xa0;:</translation>
    </message>
    <message>
        <source>Discharge BF</source>
        <translation>Solde reporté</translation>
    </message>
    <message>
        <source>Scheduled Payment changes and Lump payments are processed until discharge date</source>
        <translation>Les changements de versement prévus et les versements forfaitaires sont traités jusqu&apos;à la date de remboursement</translation>
    </message>
    <message>
        <source>Refinance opportunities</source>
        <translation>Occasions de refinancement</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Stop Calculation</source>
        <translation>Arrêter le calcul</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>hl::RefinanceWindow</name>
    <message>
        <source>Mortgage Hint Box</source>
        <translation>Conseils sur le prêt hypothécaire</translation>
    </message>
    <message>
        <source>This form answers the question, &apos;If the current interest rate is lower than the interest rate on my current <byte value="xd"/>mortgage, will I save money if I terminate my current mortgage and take out a new one <byte value="xd"/>at the lower interest rate ?<byte value="xd"/><byte value="xd"/>This window does this by performing the following steps:<byte value="xd"/><byte value="xd"/>1) Calc the balance owing on your present mortgage on the date you are considering to rewrite your<byte value="xd"/>     mortgage.<byte value="xd"/>2) Add any discharge penalties (and/or other expenses) to the balance still owing.  This value will<byte value="xd"/>     now be the amount you are going to be refinancing.<byte value="xd"/>3) Run this new mortgage until the normal termination date of your existing mortgage noting the<byte value="xd"/>     accumulated interest and remaining balance at this point.<byte value="xd"/>4) Go back and run your original mortgage until it&apos;s normal termination date, again noting the<byte value="xd"/>     accumulated interest and remaining balance<byte value="xd"/>5) Compare the accumulated interest and outstanding balances of the two runs and see if any money<byte value="xd"/>     was saved.</source>
        <translation>Ce formulaire répond à la question&#xa0;: «&#xa0;Si le taux d&apos;intérêt actuel est plus bas que celui de mon<byte value="xd"/>prêt hypothécaire, vais-je économiser en mettant fin à mon prêt actuel pour en contracter un<byte value="xd"/>nouveau au taux plus bas&#xa0;?&#xa0;»<byte value="xd"/><byte value="xd"/>Pour y répondre, cette fenêtre suit les étapes suivantes&#xa0;:<byte value="xd"/><byte value="xd"/>1) Calculer le solde dû sur votre prêt actuel à la date où vous envisagez de refinancer votre<byte value="xd"/>     prêt hypothécaire.<byte value="xd"/>2) Ajouter au solde dû les pénalités pour remboursement anticipé (et les autres frais). Ce montant<byte value="xd"/>     est celui que vous allez refinancer.<byte value="xd"/>3) Faire courir ce nouveau prêt jusqu&apos;à la date d&apos;échéance normale de votre prêt actuel en notant<byte value="xd"/>     les intérêts cumulés et le solde restant à ce moment.<byte value="xd"/>4) Faire courir votre prêt initial jusqu&apos;à sa date d&apos;échéance normale, en notant aussi<byte value="xd"/>     les intérêts cumulés et le solde restant.<byte value="xd"/>5) Comparer les intérêts cumulés et les soldes impayés des deux calculs pour voir si vous<byte value="xd"/>     avez économisé.</translation>
    </message>
    <message>
        <source>You do this to try and save money on the interest charges levied by the financial instituion that holds <byte value="xd"/>your mortgage. <byte value="xd"/><byte value="xd"/>By keping your payment the same and rolling any costs into the new mortgage, nothing is put out of<byte value="xd"/>your pocket.  If the refinance works out you can save money on interest charges.<byte value="xd"/><byte value="xd"/>The key is the discharge penalty.  It&apos;s value is dependant on when you terminate your existing mortgage.<byte value="xd"/><byte value="xd"/>Also note, if you lower your payment, you are defeating the purpose of this study.</source>
        <translation>On le fait pour tenter d&apos;économiser sur les frais d&apos;intérêt exigés par l&apos;institution financière<byte value="xd"/>qui détient votre prêt hypothécaire.<byte value="xd"/><byte value="xd"/>En gardant le même versement et en ajoutant les frais au nouveau prêt, vous ne déboursez rien<byte value="xd"/>de votre poche. Si le refinancement est avantageux, vous économisez sur les frais d&apos;intérêt.<byte value="xd"/><byte value="xd"/>La clé, c&apos;est la pénalité pour remboursement anticipé. Sa valeur dépend du moment où vous<byte value="xd"/>mettez fin à votre prêt actuel.<byte value="xd"/><byte value="xd"/>Notez aussi que si vous baissez votre versement, l&apos;étude perd son sens.</translation>
    </message>
    <message>
        <source>The default value is set to the last payment value (at the discharge date) of the existing mortgage. <byte value="xd"/><byte value="xd"/>This value can be over-written but for the study to make sense it is <byte value="xd"/>best left set to the default value or greater.</source>
        <translation>La valeur par défaut est le dernier versement (à la date de remboursement) du prêt actuel.<byte value="xd"/><byte value="xd"/>Vous pouvez la remplacer, mais pour que l&apos;étude ait un sens, il vaut mieux<byte value="xd"/>la laisser à la valeur par défaut ou plus.</translation>
    </message>
    <message>
        <source>The default value is set to the calculated Early Discharge Penalty. This is the penalty <byte value="xd"/> the bank charges to terminate your mortgage prematurely.<byte value="xd"/><byte value="xd"/>This value can be over-written to reflect your actual penalty cost.  Ask the bank, they <byte value="xd"/>will give you an exact figure for this time period.<byte value="xd"/><byte value="xd"/> You may want to run the EDP Calculator to get other values.</source>
        <translation>La valeur par défaut est la pénalité pour remboursement anticipé calculée, soit la pénalité<byte value="xd"/>que la banque exige pour mettre fin à votre prêt hypothécaire avant terme.<byte value="xd"/><byte value="xd"/>Vous pouvez la remplacer par le coût réel de votre pénalité. Demandez-le à la banque&#xa0;: elle<byte value="xd"/>vous donnera le montant exact pour cette période.<byte value="xd"/><byte value="xd"/>Le bouton [Pénalités] ouvre le calcul des pénalités, qui donne d&apos;autres valeurs.</translation>
    </message>
    <message>
        <source>Other costs may be lawyer&apos;s fees or administration charges. This field is for any <byte value="xd"/><byte value="xd"/>costs related to rewritting the mortgage except the Early Discharge Penalty amount.</source>
        <translation>Les autres frais peuvent être des honoraires de notaire ou d&apos;avocat ou des frais d&apos;administration.<byte value="xd"/><byte value="xd"/>Ce champ sert à tous les frais liés au refinancement, sauf la pénalité pour remboursement anticipé.</translation>
    </message>
    <message>
        <source>Overwrite Warning</source>
        <translation>Avertissement de remplacement</translation>
    </message>
    <message>
        <source>Discharge penalty may be required to be recalculated because <byte value="xd"/>either the Discharge Date or Interest Rate has changed.<byte value="xd"/><byte value="xd"/>Do you want it recalculated and updated on this form ?</source>
        <translation>La pénalité pour remboursement anticipé doit peut-être être recalculée parce que<byte value="xd"/>la date de remboursement ou le taux d&apos;intérêt a changé.<byte value="xd"/><byte value="xd"/>Voulez-vous la recalculer et la mettre à jour dans ce formulaire&#xa0;?</translation>
    </message>
    <message>
        <source>Error - all three input fields MUST contain data.  One or more is blank.</source>
        <translation>Erreur - les trois champs d&apos;entrée DOIVENT être remplis. Au moins un est vide.</translation>
    </message>
    <message>
        <source>Refinance Analysis</source>
        <translation>Analyse du refinancement</translation>
    </message>
    <message>
        <source> Refinace Mortgage </source>
        <translation> Prêt refinancé </translation>
    </message>
    <message>
        <source>  Required Input</source>
        <translation>  Données requises</translation>
    </message>
    <message>
        <source>Date of Refinance:</source>
        <translation>Date du refinancement&#xa0;:</translation>
    </message>
    <message>
        <source>Date of Refinance</source>
        <translation>Date du refinancement</translation>
    </message>
    <message>
        <source>Refinance Interest Rate:</source>
        <translation>Nouveau taux&#xa0;:</translation>
    </message>
    <message>
        <source>Refinance Interest Rate</source>
        <translation>Taux d&apos;intérêt du refinancement</translation>
    </message>
    <message>
        <source>Refinance Mortgage Payment:</source>
        <translation>Nouveau versement&#xa0;:</translation>
    </message>
    <message>
        <source>Refinance Mortgage Payment</source>
        <translation>Versement du prêt refinancé</translation>
    </message>
    <message>
        <source>&lt;-- Hint</source>
        <translation>&lt;-- Conseil</translation>
    </message>
    <message>
        <source>  Penalty / Costs   </source>
        <translation>  Pénalité / frais   </translation>
    </message>
    <message>
        <source>Discharge Penalty:</source>
        <translation>Pénalité&#xa0;:</translation>
    </message>
    <message>
        <source>Discharge Penalty</source>
        <translation>Pénalité de remboursement</translation>
    </message>
    <message>
        <source>&lt;--- Hint </source>
        <translation>&lt;--- Conseil </translation>
    </message>
    <message>
        <source>Other Expenses:</source>
        <translation>Autres frais&#xa0;:</translation>
    </message>
    <message>
        <source>Other Expenses</source>
        <translation>Autres frais</translation>
    </message>
    <message>
        <source>&lt;--- Hint</source>
        <translation>&lt;--- Conseil</translation>
    </message>
    <message>
        <source>   Information Only - no input here</source>
        <translation>   Information seulement - aucune saisie ici</translation>
    </message>
    <message>
        <source>   Current Mortgage</source>
        <translation>   Prêt actuel</translation>
    </message>
    <message>
        <source>Runs from:</source>
        <translation>Court du&#xa0;:</translation>
    </message>
    <message>
        <source>Runs from</source>
        <translation>Court du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>au</translation>
    </message>
    <message>
        <source>Runs to</source>
        <translation>Court jusqu&apos;au</translation>
    </message>
    <message>
        <source>Interest rate:</source>
        <translation>Taux d&apos;intérêt&#xa0;:</translation>
    </message>
    <message>
        <source>Interest rate</source>
        <translation>Taux d&apos;intérêt</translation>
    </message>
    <message>
        <source>$ Owing on refinance date:</source>
        <translation>$ dus à la date du refinancement&#xa0;:</translation>
    </message>
    <message>
        <source>$ Owing on refinance date</source>
        <translation>$ dus à la date du refinancement</translation>
    </message>
    <message>
        <source>Total to be refinanced:      ($ owing + penalty / costs)</source>
        <translation>Total à refinancer&#xa0;:      ($ dus + pénalité / frais)</translation>
    </message>
    <message>
        <source>Total to be refinanced</source>
        <translation>Total à refinancer</translation>
    </message>
    <message>
        <source>After refinance date, no extra payments or changes to payments are considered.</source>
        <translation>Après la date du refinancement, aucun versement supplémentaire ni changement de versement n&apos;est pris en compte.</translation>
    </message>
    <message>
        <source>Output Table</source>
        <translation>Tableau des résultats</translation>
    </message>
    <message>
        <source>Original Mortgage</source>
        <translation>Prêt initial</translation>
    </message>
    <message>
        <source>Refinanced Mortgage</source>
        <translation>Prêt refinancé</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Payment Value used:</source>
        <translation>Versement utilisé&#xa0;:</translation>
    </message>
    <message>
        <source>Payment value used, original</source>
        <translation>Versement utilisé, prêt initial</translation>
    </message>
    <message>
        <source>Payment value used, refinanced</source>
        <translation>Versement utilisé, prêt refinancé</translation>
    </message>
    <message>
        <source>Balance owing:</source>
        <translation>Solde dû&#xa0;:</translation>
    </message>
    <message>
        <source>Balance owing on</source>
        <translation>Solde dû le</translation>
    </message>
    <message>
        <source>Balance owing, original</source>
        <translation>Solde dû, prêt initial</translation>
    </message>
    <message>
        <source>Balance owing, refinanced</source>
        <translation>Solde dû, prêt refinancé</translation>
    </message>
    <message>
        <source>Balance owing, difference</source>
        <translation>Solde dû, différence</translation>
    </message>
    <message>
        <source>Cost due to a difference in payment value:</source>
        <translation>Coût dû à l&apos;écart de versement&#xa0;:</translation>
    </message>
    <message>
        <source>Cost due to a difference in payment value</source>
        <translation>Coût dû à l&apos;écart de versement</translation>
    </message>
    <message>
        <source>Net Saving:</source>
        <translation>Économie nette&#xa0;:</translation>
    </message>
    <message>
        <source>Net Saving</source>
        <translation>Économie nette</translation>
    </message>
    <message>
        <source>Form Purpose</source>
        <translation>But du formulaire</translation>
    </message>
    <message>
        <source>Why Do This ?</source>
        <translation>Pourquoi&#xa0;?</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>EDP Calculator</source>
        <translation>Pénalités</translation>
    </message>
    <message>
        <source>Now, In English</source>
        <translation>En clair</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Mortgage Input Error</source>
        <translation>Erreur de saisie</translation>
    </message>
    <message>
        <source>Balance Owing for the Two Scenarios</source>
        <translation>Solde dû pour les deux scénarios</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>$ Dollars</source>
        <translation>$ (dollars)</translation>
    </message>
    <message>
        <source>Orig Mtge</source>
        <translation>Prêt initial</translation>
    </message>
    <message>
        <source>Refinance Mtge</source>
        <translation>Prêt refinancé</translation>
    </message>
</context>
<context>
    <name>hl::ScheduleWindow</name>
    <message>
        <source>Schedule Display</source>
        <translation>Tableau d&apos;amortissement</translation>
    </message>
    <message>
        <source>Grid Display Options</source>
        <translation>Options d&apos;affichage du tableau</translation>
    </message>
    <message>
        <source>All Payments</source>
        <translation>Tous les versements</translation>
    </message>
    <message>
        <source>Loan Anniversaries only</source>
        <translation>Anniversaires du prêt seulement</translation>
    </message>
    <message>
        <source>Year Ends only</source>
        <translation>Fins d&apos;année seulement</translation>
    </message>
    <message>
        <source>Graphs</source>
        <translation>Graphiques</translation>
    </message>
    <message>
        <source>Balance over Time</source>
        <translation>Solde dans le temps</translation>
    </message>
    <message>
        <source>Acc. Interest   versus Acc. Principle</source>
        <translation>Intérêts cumulés et capital cumulé</translation>
    </message>
    <message>
        <source>Components of Regular Payment</source>
        <translation>Composantes du versement régulier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>hl::ShopperWindow</name>
    <message>
        <source>Payment Shopper </source>
        <translation>Comparateur de versements </translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>  Quick Function   </source>
        <translation>  Fonction rapide   </translation>
    </message>
    <message>
        <source>Display a sample</source>
        <translation>Afficher un exemple</translation>
    </message>
    <message>
        <source>Clear All Input Boxes</source>
        <translation>Vider toutes les cases</translation>
    </message>
    <message>
        <source>Lower Boundary</source>
        <translation>Borne inférieure</translation>
    </message>
    <message>
        <source>Upper Boundary</source>
        <translation>Borne supérieure</translation>
    </message>
    <message>
        <source>Increment</source>
        <translation>Incrément</translation>
    </message>
    <message>
        <source>Mortgage Amount:</source>
        <translation>Montant du prêt&#xa0;:</translation>
    </message>
    <message>
        <source>Interest Rate:</source>
        <translation>Taux d&apos;intérêt&#xa0;:</translation>
    </message>
    <message>
        <source>Amortization Period</source>
        <translation>Période d&apos;amortissement</translation>
    </message>
    <message>
        <source>Purpose:</source>
        <translation>But&#xa0;:</translation>
    </message>
    <message>
        <source>Display the calculated payments for a range of input values</source>
        <translation>Afficher les versements calculés pour une plage de valeurs</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Remarque&#xa0;:</translation>
    </message>
    <message>
        <source>To specify a set value (not a range) fill in the Lower Boundary ONLY</source>
        <translation>Pour une valeur fixe, remplissez SEULEMENT la borne inférieure</translation>
    </message>
</context>
<context>
    <name>hl::SolveForWindow</name>
    <message>
        <source>Solve for...  (scratchsheet -  this data not saved)</source>
        <translation>Trouver...  (brouillon -  ces données ne sont pas enregistrées)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Solving for an Unknown Value</source>
        <translation>Trouver une valeur inconnue</translation>
    </message>
    <message>
        <source>Common Input Variables:</source>
        <translation>Données communes&#xa0;:</translation>
    </message>
    <message>
        <source>These values are common to both &quot;Solve for&quot; scenarios and MUST BE FILLED IN.</source>
        <translation>Ces valeurs sont communes aux deux calculs «&#xa0;Trouver&#xa0;» et DOIVENT ÊTRE REMPLIES.</translation>
    </message>
    <message>
        <source>Interest Rate:</source>
        <translation>Taux d&apos;intérêt&#xa0;:</translation>
    </message>
    <message>
        <source>Payment Frequency</source>
        <translation>Fréquence des versements</translation>
    </message>
    <message>
        <source>Payment Amount:</source>
        <translation>Montant du versement&#xa0;:</translation>
    </message>
    <message>
        <source>Solve for Amortization Period</source>
        <translation>Trouver la période d&apos;amortissement</translation>
    </message>
    <message>
        <source>To solve for an unknown Amortization Period fill in the Mortgage Amount box below:</source>
        <translation>Pour trouver la période, remplissez la case Montant du prêt ci-dessous&#xa0;:</translation>
    </message>
    <message>
        <source>Mortgage Amount:</source>
        <translation>Montant du prêt&#xa0;:</translation>
    </message>
    <message>
        <source>Calculated AmortizationPeriod:</source>
        <translation>Période calculée&#xa0;:</translation>
    </message>
    <message>
        <source>payments</source>
        <translation>versements</translation>
    </message>
    <message>
        <source>years</source>
        <translation>ans</translation>
    </message>
    <message>
        <source>Solve for Mortgage Amount</source>
        <translation>Trouver le montant du prêt</translation>
    </message>
    <message>
        <source>To solve for an unknown Mortgage Amount fill in the Am. Period box below:</source>
        <translation>Pour trouver le montant, remplissez la case Période d&apos;amort. ci-dessous&#xa0;:</translation>
    </message>
    <message>
        <source>Amortization Period (years):</source>
        <translation>Période d&apos;amortissement (ans)&#xa0;:</translation>
    </message>
    <message>
        <source>Calculated Mtge Amount:</source>
        <translation>Montant du prêt calculé&#xa0;:</translation>
    </message>
    <message>
        <source>Fill in the data fields and the unknown values are automatically calculated when enough input data is entered.</source>
        <translation>Remplissez les champs&#xa0;: les valeurs inconnues sont calculées automatiquement dès que les données suffisent.</translation>
    </message>
    <message>
        <source>Calculated Amortization Period, payments</source>
        <translation>Période d&apos;amortissement calculée, en versements</translation>
    </message>
    <message>
        <source>Calculated Amortization Period, years</source>
        <translation>Période d&apos;amortissement calculée, en années</translation>
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
    <name>hl::SuggestionsWindow</name>
    <message>
        <source>$$ Saving Suggestions to Try</source>
        <translation>$$ Idées d&apos;économies à essayer</translation>
    </message>
    <message>
        <source>  Optional Input  </source>
        <translation>  Donnée facultative  </translation>
    </message>
    <message>
        <source>What is the current interest rate:</source>
        <translation>Taux d&apos;intérêt actuel&#xa0;:</translation>
    </message>
    <message>
        <source>What is the current interest rate</source>
        <translation>Taux d&apos;intérêt actuel</translation>
    </message>
    <message>
        <source>If you know the current interest rate enter it here and then press [RETURN].  Suggestion box will then be updated.</source>
        <translation>Si vous connaissez le taux d&apos;intérêt actuel, entrez-le ici puis appuyez sur [ENTRÉE]. La liste des suggestions sera alors mise à jour.</translation>
    </message>
    <message>
        <source>Saving suggestions</source>
        <translation>Idées d&apos;économies</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>hl::SummaryWindow</name>
    <message>
        <source>Summary Display</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The following data is a snapshot taken at:</source>
        <translation>Les données suivantes sont un instantané pris au&#xa0;:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>at payment number:</source>
        <translation>au versement numéro&#xa0;:</translation>
    </message>
    <message>
        <source>Balance still Outstanding:      $</source>
        <translation>Solde impayé&#xa0;:      $</translation>
    </message>
    <message>
        <source>$ Paid Out:</source>
        <translation>$ payés&#xa0;:</translation>
    </message>
    <message>
        <source>by Regular Payments:</source>
        <translation>en versements réguliers&#xa0;:</translation>
    </message>
    <message>
        <source>by Lump Payments: </source>
        <translation>en versements forfaitaires&#xa0;: </translation>
    </message>
    <message>
        <source>Total Interest Paid to Date:    $</source>
        <translation>Intérêts totaux payés à ce jour&#xa0;:    $</translation>
    </message>
    <message>
        <source>Total Principle Paid to Date: $</source>
        <translation>Capital total payé à ce jour&#xa0;: $</translation>
    </message>
    <message>
        <source>Extra $ paid out as a result of user specified payment changes:</source>
        <translation>$ payés en plus par suite des changements de versement&#xa0;:</translation>
    </message>
    <message>
        <source>If the mortgage was to continue to run, it would be paid off:</source>
        <translation>Si le prêt continuait de courir, il serait remboursé le&#xa0;:</translation>
    </message>
    <message>
        <source>Snapshot at payment number</source>
        <translation>Instantané au versement numéro</translation>
    </message>
    <message>
        <source>Paid Out by Regular Payments</source>
        <translation>Payé en versements réguliers</translation>
    </message>
    <message>
        <source>Paid Out by Lump Payments</source>
        <translation>Payé en versements forfaitaires</translation>
    </message>
    <message>
        <source>Paid off at payment number</source>
        <translation>Remboursé au versement numéro</translation>
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
