// What the program says, in English: one line per code, "%1" … "%9" where its values go, "%%" for "%".
#include "messages/Catalogue.h"

extern const CatalogueLine kEnglishCatalogue[] = {
    {MessageCode::None, L""},
    // Composed
    {MessageCode::List, L"%1"},
    {MessageCode::Text, L"%1"},
    // Warnings of a calculation: %1 subject, %2 chromatograms, %3 detail
    {MessageCode::StandardNotFound,
     L"The standard “%1” is not in the components table: its oxygen is counted in the total."},
    {MessageCode::NoMolarMass,
     L"Component “%1” has no molar mass or one that is not a positive number: its oxygen is not counted."},
    {MessageCode::NoDensity,
     L"Component “%1” has no density or one that is not a positive number: its volume is not calculated."},
    {MessageCode::ComponentsLastRead,
     L"The components table file does not read (another program holds it, or it was deleted or is empty): "
     L"%1. The results use the table as it was read before."},
    {MessageCode::ComponentsNotRead,
     L"The components table was not read (the file is held by another program, missing or empty): %1. There "
     L"are no results."},
    {MessageCode::SeveralSamples,
     L"Chromatograms of different samples are ticked (%1): parallel determinations must be of one sample."},
    {MessageCode::NoStandard,
     L"No internal standard is given: the oxygen of every component found is counted in the total."},
    {MessageCode::ImplausibleDensity,
     L"A sample density of %1 kg/m³ is no density of petrol (600–1000 kg/m³): volumes and volume fractions "
     L"are wrong."},
    {MessageCode::NoPeakName,
     L"Components %1 of the table have no peak name: no chromatogram will match them (are the fields of the "
     L"file not separated by “;”?)."},
    {MessageCode::NoComponents, L"The components table holds no component (%1): there are no results."},
    {MessageCode::ComponentsWithoutHeader,
     L"The components table file has no header line: its first line was read as a component (%1). Saving the "
     L"table adds a header."},
    {MessageCode::NoNamedPeaks,
     L"Ticked chromatograms hold no named peak, they have not been processed: %2. The means count them as "
     L"chromatograms without components; no limit is judged."},
    {MessageCode::NoStandardPeak,
     L"Ticked chromatograms hold no peak of the internal standard “%1”: %2. The peaks are named wrongly or "
     L"the standard was not added; no limit is judged."},
    {MessageCode::PartlyFound,
     L"Component “%1” is missing from chromatograms %2 while the others show at least 0.17 %% by mass of it: "
     L"the parallel determinations disagree, the mean is too low."},
    {MessageCode::BadConcentration,
     L"The peak of component “%1” has no concentration, a negative or an infinite one in chromatograms %2: "
     L"the result of the component cannot be trusted."},
    {MessageCode::NoOxygenAtoms,
     L"The oxygen atoms of component “%1” are not a whole number from 1 on: its oxygen is not counted."},
    {MessageCode::NoAnalysisDate,
     L"The analysis time of chromatograms %2 is no date (outside 1970–9999): it is shown as “---”."},
    {MessageCode::TableChangedOutside,
     L"File %1 was changed outside the plug-in since the plug-in last read it: the change is in its log "
     L"(%1.log); please check it."},
    {MessageCode::NoSampleDensity,
     L"The sample density is not given: the volume fractions of the components are wrong."},
    {MessageCode::TableLogUnwritable,
     L"The change log of file %1 cannot be written (a read-only folder?): changes of the table are not "
     L"logged."},
    {MessageCode::TableLogBroken, L"The change log of file %1 cannot be trusted: %3."},
    {MessageCode::PeakNameInSeveralRows,
     L"Peak “%1” is named on several rows of the components table (%3): it is counted on each of them; no "
     L"limit is judged."},
    {MessageCode::StandardInSeveralRows,
     L"Several rows of the components table are shown under the internal standard’s name “%1” (%3): the "
     L"oxygen of none of them is counted; no limit is judged."},
    {MessageCode::PeakTwiceInChromatogram,
     L"Chromatogram %2 holds peak “%1” more than once (retention times %3 min): the first is counted."},
    {MessageCode::QcLimitsNotAsEstablished,
     L"The quality control limits in file %1 are not those its log recorded when they were established (%3): "
     L"the QC results are not judged by them, and the QC marks that rest on them are undetermined. Establish "
     L"the limits again (oxycalc-cli qc --establish)."},
    {MessageCode::NewDefaultTable,
     L"The new default table %1 differs from the lab’s components table: %3. The results use the lab’s "
     L"table: compare it with the new one and save it in the plug-in, or delete file %1 if the lab’s values "
     L"are right."},
    {MessageCode::TicksNotCounted,
     L"Ticked chromatograms are not counted while their files are unavailable: %2"},
    {MessageCode::StaleChromatograms,
     L"The files of ticked chromatograms were changed or no longer read after loading: %2. The results were "
     L"calculated from the values loaded before (“Reload and recalculate” loads them again); the limits are "
     L"undetermined."},
    {MessageCode::PeaksWithoutComponent,
     L"Peaks without a component (%3): %1 — in chromatograms %2. No row of the components table names them: "
     L"they are counted in no result. Check the method’s peak names against the components table."},
    {MessageCode::PeakNameMistyped,
     L"The peak of component “%1” is named in chromatograms %2 otherwise than in the components table, "
     L"differing only in blanks or control characters (%3): the peak is not counted; the total oxygen and "
     L"the limits the component counts in are undetermined."},
    // How a new default table differs (the detail of new_default_table)
    {MessageCode::DefaultDiffers, L"“%1” — %2"},
    {MessageCode::DefaultField, L"%1 %2 (new: %3)"},
    {MessageCode::DefaultMolarMass, L"molar mass"},
    {MessageCode::DefaultDensity, L"density"},
    {MessageCode::DefaultOxygenAtoms, L"O atoms"},
    // Why a change log cannot be trusted (the detail of table_log_broken)
    {MessageCode::LogVersionNotKept,
     L"its last entry names a version of the table that is not in the versions folder (the entry was "
     L"changed, or versions are not written)"},
    {MessageCode::LogRemoved, L"the change log was removed: it has been started anew"},
    // Verdicts, quantities, the method's range, the total
    {MessageCode::VerdictConforms, L"conforms"},
    {MessageCode::VerdictExceeds, L"exceeds"},
    {MessageCode::VerdictConditionallyConforms, L"conditionally conforms"},
    {MessageCode::VerdictConditionallyExceeds, L"conditionally does not conform"},
    {MessageCode::VerdictUndetermined, L"undetermined"},
    {MessageCode::QuantityMass, L"% m/m"},
    {MessageCode::QuantityVolume, L"% V/V"},
    {MessageCode::ScopeBelow, L"below the method’s range"},
    {MessageCode::ScopeAbove, L"above the method’s range"},
    {MessageCode::TotalUndetermined, L"undetermined"},
    {MessageCode::TotalUndeterminedTip,
     L"The total oxygen is not determined: %1. The arithmetic value %2 %% m/m is no result."},
    {MessageCode::TotalNoResultNote, L"%1. The arithmetic value %2 %% by mass is no result"},
    {MessageCode::LimitsLineError, L"The limits file %1 was not read whole: %2"},
    {MessageCode::LimitUndetermined, L"Limit “%1”: %2 — %3"},
    {MessageCode::DensityNotANumber,
     L"The sample density “%1” is no number: the calculation keeps the one before, %2 kg/m3"},
    {MessageCode::LimitOfOthers, L"other oxygenates"},
    {MessageCode::LimitOfTotalOxygen, L"total oxygen"},
    // Why a verdict is undetermined
    {MessageCode::DoubtNothingTicked, L"no chromatogram is ticked"},
    {MessageCode::DoubtTableNotRead, L"the components table was not read"},
    {MessageCode::DoubtSeveralSamples, L"chromatograms of different samples are ticked"},
    {MessageCode::DoubtUnprocessed, L"a ticked chromatogram has no named peak (not processed)"},
    {MessageCode::DoubtNoStandardPeak, L"a ticked chromatogram has no peak of the internal standard"},
    {MessageCode::DoubtStaleChromatograms, L"the file of a ticked chromatogram was changed after loading"},
    {MessageCode::DoubtPeakInSeveralRows, L"a peak is named on several rows of the components table"},
    {MessageCode::DoubtStandardInSeveralRows,
     L"several rows of the components table are shown under the internal standard’s name"},
    {MessageCode::DoubtSpread, L"the spread of the parallel determinations exceeds r (%1 > %2)"},
    {MessageCode::DoubtOfComponent, L"component “%1”: %2"},
    {MessageCode::DoubtStandardNotFound, L"the internal standard is not in the components table"},
    {MessageCode::DoubtNoReproducibility, L"R is not given"},
    {MessageCode::DoubtUnknownRule, L"the decision rule is unknown or given twice"},
    {MessageCode::DoubtNoStandard, L"no internal standard is given"},
    {MessageCode::DoubtNoSampleDensity, L"the sample density is not given"},
    {MessageCode::DoubtImplausibleDensity, L"the sample density is implausible"},
    {MessageCode::DoubtNoDensity, L"component “%1” has no density"},
    {MessageCode::DoubtNoMolarMass, L"component “%1” has no molar mass"},
    {MessageCode::DoubtNoOxygenAtoms, L"component “%1” has no number of oxygen atoms"},
    {MessageCode::DoubtBadConcentration, L"the peak concentration of component “%1” cannot be trusted"},
    {MessageCode::DoubtPartlyFound, L"component “%1” is not found in every parallel determination"},
    {MessageCode::DoubtUnknownPeakName, L"a component of the limit is not in the table"},
    {MessageCode::DoubtPeakNameMistyped,
     L"the peak of component “%1” is named in a chromatogram otherwise than in the table (blanks or "
     L"control characters)"},
    // A limits file's lines
    {MessageCode::LimitsNoName, L"the limit has no name"},
    {MessageCode::LimitsBadQuantity, L"quantity “%1” is neither “%% масс.” nor “%% об.”"},
    {MessageCode::LimitsBadMaximum, L"maximum “%1” is no number"},
    {MessageCode::LimitsOxygenByMass, L"the total oxygen is given in “%% масс.”"},
    {MessageCode::LimitsBadR, L"repeatability limit r “%1” is no number"},
    {MessageCode::LimitsRNotPositive, L"repeatability limit r “%1” is not a positive number"},
    {MessageCode::LimitsROneComponent, L"a repeatability limit r is given for one component only"},
    {MessageCode::LimitsBadReproducibility, L"reproducibility R “%1” is neither a number nor a·X+b"},
    {MessageCode::LimitsNegativeReproducibility, L"reproducibility R “%1” is negative"},
    {MessageCode::LimitsUnknownRule,
     L"decision rule “%1” is unknown: “простое”, “ISO 4259-2” or “ILAC G8” are allowed"},
    {MessageCode::LimitsRuleTwice, L"the decision rule is given twice: no verdicts"},
    {MessageCode::LimitsTooLarge,
     L"“%1” exceeds 1,000,000,000: no limit, r or R is that large, and the calculation keeps no four "
     L"decimals of such a number"},
    {MessageCode::LimitsNotOpened, L"the limits file does not open"},
    {MessageCode::LimitsEmpty, L"the file holds no limit"},
    {MessageCode::FileLine, L"line %1: %2"},
    // A QC file's lines
    {MessageCode::QcBadMoment, L"%1 “%2” is no moment YYYY-MM-DDThh:mm:ssZ"},
    {MessageCode::QcBaselineStart, L"the baseline’s start"},
    {MessageCode::QcBaselineEnd, L"the baseline’s end"},
    {MessageCode::QcEstablishedAt, L"the moment the limits were established"},
    {MessageCode::QcBadCentre, L"centre line “%1” is no number"},
    {MessageCode::QcBadMovingRange, L"mean moving range “%1” is not a positive number"},
    {MessageCode::QcBadCount, L"the baseline’s number of results “%1” is no whole number from 2 on"},
    {MessageCode::QcBaselineReversed, L"the baseline ends before it starts"},
    {MessageCode::QcNoReason, L"no reason is given for establishing the limits"},
    {MessageCode::QcEstablishedError, L"established limits: %1"},
    {MessageCode::QcNoSample, L"the check sample has no name"},
    {MessageCode::QcOneComponent, L"a chart shows one component, not “%1”"},
    {MessageCode::QcBadAccepted, L"accepted value “%1” is no number"},
    {MessageCode::QcBadTolerance, L"tolerance “%1” is not a positive number"},
    {MessageCode::QcToleranceWithoutAccepted, L"a tolerance is given with an accepted value only"},
    {MessageCode::QcNotOpened, L"the QC file does not open"},
    {MessageCode::QcSameChart, L"the same chart as on line %1"},
    {MessageCode::QcEmpty, L"the file holds no QC line"},
    {MessageCode::QcLimitsNotLogged,
     L"the limits are not in the QC file’s log as established by the program (no entry of limits established "
     L"with the file’s version kept): nothing is judged by them"},
    {MessageCode::QcLimitsNotAsLogged,
     L"the line’s limits or tolerance are not those recorded when the limits were established (log entry %1, "
     L"%2): changed outside the plug-in, nothing is judged by them"},
    {MessageCode::QcOxygen, L"oxygen"},
    {MessageCode::QcTotalOxygen, L"total organically bound oxygen"},
    // Control charts
    {MessageCode::QcInControl, L"in control"},
    {MessageCode::QcFailed, L"failed"},
    {MessageCode::QcUndetermined, L"undetermined"},
    {MessageCode::QcUnjudged, L"not judged"},
    {MessageCode::RuleBeyondLimit, L"beyond a 3σ limit"},
    {MessageCode::RuleTwoOfThree, L"2 of 3 in a row beyond 2σ on one side"},
    {MessageCode::RuleFourOfFive, L"4 of 5 in a row beyond 1σ on one side"},
    {MessageCode::RuleEightOnOneSide, L"8 in a row on one side of the centre line"},
    {MessageCode::RuleMovingRange, L"moving range above its limit"},
    {MessageCode::LimitsNeedTwo, L"limits need at least two results of the baseline"},
    {MessageCode::LimitsNoSpread, L"the baseline’s results are all equal: their spread cannot be estimated"},
    {MessageCode::ProvisionalTooFew,
     L"the chart holds %1 usable results in control before it; provisional limits need at least %2"},
    {MessageCode::BaselineFirstResults,
     L"the chart’s first %1 usable results in the database before the one judged, failed ones left out"},
    {MessageCode::BaselineSeries, L"the series from %1 to %2"},
    {MessageCode::QcNotFinite, L"the result is no finite number"},
    {MessageCode::QcComponentNotInTable, L"component “%1” is not in the components table"},
    {MessageCode::QcComponentNotFound, L"component “%1” is not found in the chromatograms"},
    {MessageCode::QcNotCalculated, L"the result was not calculated"},
    {MessageCode::QcNoTolerance, L"no tolerance, %1"},
    {MessageCode::QcOutsideTolerance, L"outside the tolerance ±%1"},
    {MessageCode::QcWithinToleranceShort, L"within tolerance"},
    {MessageCode::QcOutsideToleranceShort, L"outside tolerance"},
    {MessageCode::QcReturnNote,
     L"moving range %1 above its limit %2: the return from the point %3 that broke a rule; counted with it, "
     L"rule 5 not scored"},
    {MessageCode::QcPointBefore, L"before it"},
    // What QC says of a series
    {MessageCode::QualityConfirmed, L"confirmed by quality control"},
    {MessageCode::QualityNotYetConfirmed, L"not yet confirmed by quality control"},
    {MessageCode::QualityInDoubt, L"in doubt: quality control failed"},
    {MessageCode::QualityUndetermined,
     L"undetermined: quality control was judged by limits that are not those established"},
    {MessageCode::QualityLimitsInDoubt, L"%1 not judged: %2"},
    {MessageCode::QualityCheck, L"check “%1” %2"},
    {MessageCode::QualityCheckFailed, L"%1 failed: %2"},
    {MessageCode::QualityAfterFailed, L"made after a failed check: %1 (%2), before a check in control"},
    {MessageCode::QualityNoLimits, L"chart “%1” has no limits and no tolerance: %2"},
    {MessageCode::QualityCheckInControl, L"%1 in control"},
    {MessageCode::QualityCheckInControlProvisional, L"%1 in control (provisional limits)"},
    {MessageCode::QualityPending, L"no judged check result after the series: %1"},
    // Loading chromatograms
    {MessageCode::LoadFileNotRead, L"The file did not load: '%1'"},
    {MessageCode::LoadNoSampleMass, L"The chromatogram\n%1\ngives no sample mass"},
    {MessageCode::LoadSampleMassNotPositive,
     L"In the chromatogram\n%1\nthe sample mass “%2” is not a positive number"},
    {MessageCode::LoadOutOfMemory, L"Not enough memory to load chromatogram %1"},
    // The components table's file
    {MessageCode::TableNotRepresentable,
     L"The components table was not saved: component №%1 “%2” holds characters the table’s file cannot hold "
     L"(Windows-1251)."},
    {MessageCode::TableNotStorable,
     L"The components table was not saved: component №%1 “%2” holds a semicolon or a line break, which a "
     L"field of the table’s file cannot hold."},
    {MessageCode::TableBadOxygenAtoms,
     L"The components table was not saved: the oxygen atoms of component №%1 “%2” are no whole number from 1 "
     L"to %3."},
    {MessageCode::TableNotLoaded,
     L"The components table was not saved: its file could not be read when the table was opened, and it "
     L"holds data now. Open the table again.\n%1"},
    {MessageCode::TableReadsAsUtf8,
     L"The components table was not saved: written in Windows-1251, it would read as UTF-8 text with other "
     L"names. Please check the components’ names."},
    {MessageCode::TableOpenFailed, L"The components table file could not be opened for writing:\n%1"},
    {MessageCode::TableWriteFailed, L"The components table file could not be written:\n%1"},
    {MessageCode::NoPublicDocuments, L"The public documents folder was not found."},
    {MessageCode::NewComponentPeakName, L"Give the component a name!"},
    // Writing reports
    {MessageCode::DocumentNotCreated, L"the report document was not created"},
    {MessageCode::FileNotWritten,
     L"file “%1” was not written%2; an earlier file of that name, if any, is untouched"},
    {MessageCode::FilesNotAllPlaced, L"files %1 were not all put in place"},
    {MessageCode::ReportNotMadeStale,
     L"no report was made: %1; the values loaded from the file may no longer be its own: load the "
     L"chromatograms again and make the report again"},
    {MessageCode::ChromatogramFileChanged, L"the file of chromatogram %1 “%2” was changed after loading"},
    {MessageCode::ChromatogramFileGone, L"the file of chromatogram %1 “%2” no longer reads"},
    // The report's words
    {MessageCode::Yes, L"Yes"},
    {MessageCode::No, L"No"},
    {MessageCode::Total, L"Total"},
    {MessageCode::KindAnalysis, L"Analysis"},
    {MessageCode::KindCalibration, L"Calibration"},
    {MessageCode::ColumnNumber, L"No."},
    {MessageCode::ColumnComponent, L"Component"},
    {MessageCode::ColumnPeak, L"Peak"},
    {MessageCode::ColumnOxygenAtoms, L"O atoms"},
    {MessageCode::ColumnMass, L"Mass, g"},
    {MessageCode::ColumnMassPercent, L"% m/m"},
    {MessageCode::ColumnDelta, L"Delta, % m/m"},
    {MessageCode::ColumnVolume, L"Volume, cm³"},
    {MessageCode::ColumnVolumePercent, L"% V/V"},
    {MessageCode::ColumnMassFraction, L"Mass fraction, %%"},
    {MessageCode::ColumnVolumeFraction, L"Volume fraction, %%"},
    {MessageCode::ColumnOxygen, L"Oxygen, % m/m"},
    {MessageCode::ColumnNote,
     L"Note (the method’s range: 0.17–15 %% by mass of a component, oxygen up to 3.7 %% by mass)"},
    {MessageCode::TotalOxygenCaption, L"Total organically bound oxygen, %% m/m"},
    {MessageCode::DecisionRuleSimple,
     L"The measured value, rounded to four decimals (halves away from zero), is compared with the limit: not "
     L"above it “conforms”, above it “exceeds”. The measurement uncertainty is not taken into account (no "
     L"guard band). “Undetermined” where the data do not allow a verdict; the reason is named."},
    {MessageCode::DecisionRuleIso4259,
     L"ISO 4259-2: the result X, rounded to four decimals, “exceeds” the limit L only when X > "
     L"L + 0.59·R(X), R(X) being the method’s reproducibility at X from the limits file; otherwise it "
     L"“conforms”. 0.59 ≈ 1.645 / 2.77: 95 %% confidence for whoever checks the result. R(X), w and L + w "
     L"are rounded to four decimals as they are shown. Without R no verdict is given."},
    {MessageCode::DecisionRuleIlacG8,
     L"ILAC G8:2019 with the guard band w = 0.59·R(X), R(X) being the method’s reproducibility "
     L"at the result X from the limits file: X ≤ L − w “conforms”, L − w < X ≤ L “conditionally conforms”, L "
     L"< X ≤ L + w “conditionally does not conform”, X > L + w “exceeds”. R(X), w and the band’s edges are "
     L"rounded to four decimals as they are shown. Without R no verdict is given."},
    {MessageCode::DecisionRuleUnknown,
     L"The decision rule the limits file names is unknown or given twice: no verdicts are given."},
    {MessageCode::DecisionRuleNoticeIso4259,
     L"Decision rule: ISO 4259-2 (exceeds only above the limit + 0.59·R)"},
    {MessageCode::DecisionRuleNoticeIlacG8,
     L"Decision rule: ILAC G8 (conditional verdicts within the limit ± 0.59·R)"},
    {MessageCode::DecisionRuleNoticeUnknown,
     L"The limits file names an unknown decision rule or two rules: no verdicts are given"},
    {MessageCode::Absent, L"none"},
    // Signatures
    {MessageCode::SignatureStatementUnreadable, L"the signature statement is not one the program writes"},
    {MessageCode::SignatureKeyFileUnreadable, L"the key file “%1” cannot be read"},
    {MessageCode::SignatureKeyFileNotPkcs12, L"“%1” is no PKCS #12 file (%2)"},
    {MessageCode::SignatureWrongPassword, L"the password does not open the key file “%1” (%2)"},
    {MessageCode::SignatureNoCertificate, L"the key file “%1” holds no certificate (%2)"},
    {MessageCode::SignatureNoPrivateKey, L"the certificate “%1” has no private key (%2)"},
    {MessageCode::SignatureNoStore,
     L"only Windows has a user certificate store: name a key file (--pkcs12 FILE)"},
    {MessageCode::SignatureUseStore,
     L"on Windows the key is taken from the user’s certificate store (--cert WHO); import a PKCS #12 file "
     L"into it"},
    {MessageCode::SignatureCertificateNotFound,
     L"the user’s certificate store holds no certificate “%1” with a private key"},
    {MessageCode::SignatureCertificateNotValidNow,
     L"the certificate “%1” is valid from %2 to %3, not now: nothing signed"},
    {MessageCode::SignatureNotMade, L"the signature was not made: %1"},
    {MessageCode::SignatureDamaged, L"the signature file is damaged (%1)"},
    {MessageCode::SignatureNotOverContent,
     L"the signature does not match the statement: it was changed, or the signature is another’s (%1)"},
    {MessageCode::SignatureNoTrustFolder,
     L"no certificates the lab trusts were named (--trust FOLDER): who signed is not checked"},
    {MessageCode::SignatureNoTrustedCertificates, L"the folder “%1” holds no PEM certificates"},
    {MessageCode::SignatureCertificateNotValidThen,
     L"the certificate “%1” was not valid when signing (%2): it is valid from %3 to %4"},
    {MessageCode::SignatureNotTrusted,
     L"the signer’s certificate does not chain to one the lab trusts (%1): %2"},
    {MessageCode::SignatureMeaningNotAsked, L"the lab does not sign reports as “%1”"},
    {MessageCode::SignatureAlreadyMade, L"the report is already signed “%1”: %2"},
    {MessageCode::SignatureOutOfOrder, L"“%1” is signed after “%2”, which is not signed yet"},
    {MessageCode::SignatureSamePerson,
     L"“%1” is signed by another person than the one who prepared the report (%2): another person checks and "
     L"approves"},
    {MessageCode::SignatureMeaningPrepared, L"prepared"},
    {MessageCode::SignatureMeaningReviewed, L"reviewed"},
    {MessageCode::SignatureMeaningApproved, L"approved"},
    {MessageCode::SignatureFileMissing, L"the file “%1” is missing or cannot be read"},
    {MessageCode::SignatureOtherReport, L"the signature statement is of report No. %1"},
    {MessageCode::SignatureSignerDiffers,
     L"the statement names “%1” as signer, but the certificate “%2” signed"},
    {MessageCode::SignatureFileChanged, L"the file “%1” has changed since it was signed"},
    {MessageCode::SignatureFileNotCovered, L"the report’s file “%1” is not covered by the signature"},
    {MessageCode::SignatureLine, L"%1: %2, %3, certificate No. %5 issued by %4"},
    {MessageCode::SignatureRefused, L"not signed: %1"},
    {MessageCode::SignatureNotIssued, L"report No. %1 is not among those the register “%2” issued"},
    {MessageCode::SignatureReplaced,
     L"report No. %1 was replaced by report No. %2: the report in force is signed"},
    {MessageCode::SignatureOfNotice, L"No. %1 is a notice of withdrawal, not a report"},
    {MessageCode::SignatureMade,
     L"signed — %1; signature and statement entered in the register; the page with its signatures: %3"},
    {MessageCode::VerifySignatureHolds, L"signature holds: %1"},
    {MessageCode::VerifySignatureFails, L"SIGNATURE DOES NOT HOLD: %1 — %2"},
    {MessageCode::VerifySignatureUnread, L"SIGNATURE DOES NOT READ: %1 — %2"},
    {MessageCode::RegisterHistorySigned, L"%1. %2, %3: report No. %4 signed “%5”: %6"},
    {MessageCode::RegisterCliSignatures,
     L"--signatures “%1”: the meanings of signatures are expected, separated by commas, in their order — "
     L"prepared, reviewed, approved (or some of them)"},
    {MessageCode::RegisterCliSign,
     L"sign takes a report number, --meaning prepared|reviewed|approved and a key: --pkcs12 FILE "
     L"[--password-env NAME] or --cert WHO (the Windows certificate store)"},
    {MessageCode::SignUsage,
     L"\nSignatures (sign): oxycalc-cli sign NUMBER --meaning prepared|reviewed|approved\n(--pkcs12 FILE "
     L"[--password-env NAME] | --cert WHO) signs an issued report: a statement\n(the number, the SHA-256 of "
     L"each of the report’s files, the meaning, the signer, the UTC\ntime) and its detached CMS signature "
     L"(.p7s) are entered into the register, beside them a\npage of the report with its signatures. A PKCS "
     L"#12 password is read from the terminal or\nfrom the environment variable --password-env names, never "
     L"from the command line. On\nWindows the key comes from the user’s certificate store (--cert: part of "
     L"the name or the\nSHA-1 thumbprint), and its provider asks for the PIN. Meanings follow their order, "
     L"each\nonce; another person than the preparer reviews and approves. verify REPORT --trust "
     L"FOLDER\nchecks each signature against the PEM certificates the lab trusts (on Windows "
     L"without\n--trust, against the store).\n"},
    {MessageCode::SignPassword, L"Password of the key file: "},
    {MessageCode::SignNoPasswordVariable, L"there is no environment variable %1: no password given"},
    {MessageCode::VerifyCliTrust, L"--trust takes a folder of PEM certificates"},
    // A chart's names
    {MessageCode::QcChartTitle, L"%1 — %2"},
    {MessageCode::QcMeasure, L"%1, %2"},
    {MessageCode::QcQuoted, L"“%1”"},
    // Establishing control limits
    {MessageCode::EstablishTooFewInBaseline, L"the baseline holds %1 usable results; at least %2 are needed"},
    {MessageCode::EstablishTooFewOnChart, L"the chart holds %1 usable results; at least %2 are needed"},
    {MessageCode::EstablishOutlier,
     L"the result of %1 (%2) lies beyond the limits %3 … %4 the rest of the baseline gives: find its cause "
     L"or choose another baseline (--qc-baseline)"},
    {MessageCode::EstablishNoSpread, L"the baseline’s spread is below 0.000001: no limits can be written"},
    // A batch's series
    {MessageCode::BatchNoDensity, L"no density in the densities file"},
    {MessageCode::BatchDensityNotPetrol,
     L"density “%1” in the densities file is no density of petrol, kg/m³"},
    {MessageCode::BatchTwoDensities, L"the densities file holds two different densities of this sample"},
    {MessageCode::BatchNoUsableMass, L"no chromatogram names a sample mass"},
    {MessageCode::BatchChromatogramNotLoaded, L"chromatogram %1 was not loaded"},
    {MessageCode::BatchChromatogramNotLoadedWhy, L"chromatogram %1 was not loaded (%2)"},
    {MessageCode::BatchReportIsInput, L"no report written: its file is an input"},
    {MessageCode::BatchForeignFile,
     L"no report written: the folder already holds the file “%1”, not written by the batch for this series "
     L"or changed since; it was left untouched"},
    {MessageCode::BatchReportNotWritten, L"no report written"},
    {MessageCode::BatchQcNote, L"check, %1: %2 — %3"},
    {MessageCode::BatchQcNoteWhy, L"check, %1: %2 — %3: %4"},
    {MessageCode::BatchQcNoResult, L"no result"},
    {MessageCode::QcSampleAnalysedOnce,
     L"sample “%1” is one series in the database (%2): an ordinary sample’s analysis, whereas a check sample "
     L"is analysed again and again; the line is not used, the series is calculated as an ordinary sample"},
    {MessageCode::QcNoneJudged,
     L"no QC result of the dates chosen was judged: no limits (too few earlier results or no spread) and no "
     L"tolerance; QC confirms nothing"},
    {MessageCode::RangeAll, L"all dates"},
    {MessageCode::RangeFrom, L"from %1"},
    {MessageCode::RangeTo, L"to %1"},
    {MessageCode::RangeFromTo, L"from %1 to %2"},
    // The command line: its errors of use
    {MessageCode::CliUsageError, L"%1\nHelp: oxycalc-cli --help"},
    {MessageCode::CliError, L"error: %1"},
    {MessageCode::CliDatabaseError, L"database error: %1"},
    {MessageCode::CliDocumentError, L"report document error: %1"},
    {MessageCode::CliNotAnId, L"“%1” is no chromatogram id"},
    {MessageCode::CliNotALanguage, L"--lang “%1” is no language: %2"},
    {MessageCode::CliOr, L"%1 or %2"},
    {MessageCode::CliNoDatabase, L"no database given (--db)"},
    {MessageCode::CliNoComponents, L"no components table file given (--components)"},
    {MessageCode::CliNoAssay, L"no chromatogram given (--assay)"},
    {MessageCode::CliTickAndTickAll, L"--tick and --tick-all are not given together"},
    {MessageCode::CliXslWithoutHtml, L"--xsl is given only with --html"},
    {MessageCode::CliTickNotAssay, L"chromatogram %1 is ticked (--tick) but not given in --assay"},
    {MessageCode::CliGivenTwice, L"%1 is given twice"},
    {MessageCode::CliBaselineNeedsDates, L"--qc-baseline needs two dates YYYY-MM-DD after it"},
    {MessageCode::CliBaselineNotDates, L"--qc-baseline “%1 %2” is not two dates YYYY-MM-DD"},
    {MessageCode::CliBaselineReversed, L"--qc-baseline: the first date is after the second"},
    {MessageCode::CliBaselineWithoutEstablish,
     L"--qc-baseline is given only with --establish: quality control limits are established once "
     L"(oxycalc-cli qc --establish --qc-baseline FROM TO --reason \"…\"), and every run judges by them"},
    {MessageCode::CliReasonWithoutEstablish, L"--reason is given only with --establish"},
    {MessageCode::CliEstablishNeedsReason,
     L"--establish needs a reason: --reason \"…\" (it goes into the QC file's change log)"},
    {MessageCode::CliUnknownOption, L"unknown option %1"},
    {MessageCode::CliNoValue, L"no value after %1"},
    {MessageCode::CliNotGiven, L"no %1 given (%2)"},
    {MessageCode::CliNotADate, L"%1 “%2” is no date YYYY-MM-DD"},
    {MessageCode::CliStandardEmpty, L"the internal standard (--standard) is empty"},
    {MessageCode::CliNotHours, L"--series-gap “%1” is no number of hours"},
    {MessageCode::CliNotSeconds, L"--wait “%1” is no whole number of seconds"},
    {MessageCode::CliHistoryOneFile, L"history takes one file; unknown option %1"},
    {MessageCode::CliReasonEmpty, L"the reason (--reason) is empty"},
    {MessageCode::CliNotAnEntry, L"--entry “%1” is no number of a log entry"},
    {MessageCode::CliHistoryNeedsFile, L"history takes a table's file"},
    {MessageCode::CliEntryWithoutReason, L"--entry is given only with --reason"},
    {MessageCode::CliVerifyOneFile, L"verify takes one file"},
    {MessageCode::CliExpectedCommand,
     L"a command is expected: report, batch, qc, verify, history, register, issue or amend"},
    {MessageCode::CliDensityNotANumber, L"the sample density “%1” is no number"},
    // The command line: the files it is given
    {MessageCode::WhatDatabase, L"database"},
    {MessageCode::WhatComponentsFile, L"components table file"},
    {MessageCode::WhatDensitiesFile, L"sample densities file"},
    {MessageCode::WhatStylesheet, L"stylesheet"},
    {MessageCode::WhatIndexStylesheet, L"stylesheet of the batch page"},
    {MessageCode::WhatChartStylesheet, L"stylesheet of the control charts"},
    {MessageCode::WhatStandard, L"internal standard"},
    {MessageCode::WhatOutFolder, L"reports folder"},
    {MessageCode::CliCannotRead, L"%1 “%2”: %3"},
    {MessageCode::CliComponentsNotExclusive,
     L"the components table file “%1” does not open for reading and writing: it is read-only or another "
     L"program holds it"},
    {MessageCode::CliNoLimitsFile, L"there is no limits file “%1”"},
    {MessageCode::CliOutputIsLog,
     L"the file “%1” is a table's change log or a kept version of it; no report is written there"},
    {MessageCode::CliOutputIsInput,
     L"the file “%1” is an input of the calculation (%2); no report is written over it"},
    {MessageCode::CliOutputTwice, L"the file “%1” is named for two outputs"},
    {MessageCode::CliLogUnwritable,
     L"the change log “%1.log” cannot be written (is the folder read-only?): the table's changes are not in "
     L"the log; the calculation goes on"},
    {MessageCode::CliNotReplaceable,
     L"the file “%1” is there and is no %2 of this program: it is not replaced (name another file)"},
    {MessageCode::KindReportDocument, L"report document (--xml)"},
    {MessageCode::KindReportPage, L"report page (--html)"},
    {MessageCode::KindReportJson, L"report for programs (--json)"},
    {MessageCode::KindReportCsv, L"results for spreadsheets (--csv)"},
    // The command line: report
    {MessageCode::CliNoMassRefused,
     L"This chromatogram cannot be selected because its sample mass is not given. (%1)"},
    {MessageCode::CliNoMassLeftOut, L"chromatogram %1 gives no sample mass; it is left out"},
    {MessageCode::CliNothingTicked, L"no chromatogram is ticked: the calculation is empty"},
    {MessageCode::CliWarning, L"warning: %1"},
    {MessageCode::CliComponentsNotRead, L"the components table was not read"},
    {MessageCode::CliComponentsEmpty, L"the components table is empty"},
    {MessageCode::CliLimitsError, L"limits file: %1"},
    {MessageCode::CliComponentsNotReadOrEmpty, L"the components table was not read or is empty: “%1”"},
    {MessageCode::CliTotalOxygenLine, L"Total organically bound oxygen: %1 %% m/m"},
    {MessageCode::CliTotalOxygenNoResult, L"Total organically bound oxygen: %1 — %2"},
    {MessageCode::CliLimitsHeading, L"Conformity to limits:"},
    {MessageCode::CliVerdictLine, L"%1: %2 %3 against a maximum of %4 — %5"},
    {MessageCode::CliGuardBand, L"(R %1, w %2, acceptance limit %3)"},
    {MessageCode::LoadNotInDatabase, L"chromatogram %1 is not in the database; it is skipped"},
    {MessageCode::LoadNotLoadedSkipped, L"chromatogram %1 was not loaded; it is skipped"},
    {MessageCode::LoadNotLoadedWhySkipped, L"chromatogram %1 was not loaded (%2); it is skipped"},
    // The command line: batch
    {MessageCode::BatchRecordNotAdded,
     L"the record of the file “%1” was not added to %2: the next batch will not replace this file"},
    {MessageCode::BatchCutShortPlaced,
     L"the reports of the series “%1” an earlier batch left cut short are put in place"},
    {MessageCode::BatchCutShortRewritten,
     L"the reports of the series “%1” an earlier batch left cut short are not all put in place: the series "
     L"is written anew"},
    {MessageCode::BatchFolderTakenReports,
     L"another batch took the folder “%1”: the series' reports are not written"},
    {MessageCode::BatchCommitNotRecorded, L"no record was added to %1: the series' reports are not written"},
    {MessageCode::BatchProgress, L"[%1/%2] %3 (%4): %5"},
    {MessageCode::BatchProgressOxygen, L"%1 det., oxygen %2 %% m/m"},
    {MessageCode::BatchProgressUndetermined, L"%1 det., oxygen undetermined (%2)"},
    {MessageCode::BatchPreviousNotKept,
     L"the previous page “%1” was not kept under another name: %2; the new one is not written"},
    {MessageCode::CliQcFileError, L"QC file: %1"},
    {MessageCode::CliQcFileLine, L"QC file, line %1: %2"},
    {MessageCode::BatchLockBeingWritten, L"the file “%1” is still being written"},
    {MessageCode::BatchLockHeldBy, L"%1 runs it (process %2) since %3"},
    {MessageCode::BatchFolderBusyWaiting, L"another batch holds the folder “%1”: %2; waiting up to %3 s"},
    {MessageCode::BatchFolderNotLocked,
     L"the folder “%1” is not closed to other batches: the file “%2” was not made: %3"},
    {MessageCode::BatchFolderBusy, L"another batch holds the folder “%1”: %2; the batch is not run"},
    {MessageCode::BatchFolderBusyElsewhere,
     L"If no batch runs on that computer any more, remove the file “%1”"},
    {MessageCode::BatchFolderNotMade, L"the reports folder “%1” was not made: %2"},
    {MessageCode::CliFromAfterTo, L"--from is after --to: there are no analyses in these dates"},
    {MessageCode::BatchFolderTakenIndex,
     L"another batch took the folder “%1”: the batch page is not written"},
    {MessageCode::BatchNoAnalyses, L"there are no analyses in the dates chosen"},
    {MessageCode::BatchIndexNotCreated, L"the batch page's document was not made"},
    {MessageCode::QcLogUnwritable,
     L"the change log “%1.log” cannot be written (is the folder read-only?): the QC file's changes are not "
     L"in the log; the calculation goes on"},
    {MessageCode::QcFileChangedOutside,
     L"the QC file “%1” was changed outside the program: the change is written into its log"},
    {MessageCode::QcLogNotTrusted, L"the change log of the QC file “%1” cannot be trusted: %2"},
    // The command line: qc
    {MessageCode::QcSummary, L"Chart %1. %2: %3 results, %4 failed, %5 undetermined, %6 not judged; %7"},
    {MessageCode::QcSummaryEstablished, L"limits established %1 from %2 results"},
    {MessageCode::QcSummaryEstablishedProvisional, L"limits established %1 from %2 results (provisional)"},
    {MessageCode::QcSummaryNone, L"no limits established, no provisional ones: %1"},
    {MessageCode::QcSummaryProvisional, L"no limits established, provisional ones from %1 results"},
    {MessageCode::QcLimitsLine,
     L"centre line %1, 3σ limits %2 … %3, mean moving range %4, its limit %5 (%6)"},
    {MessageCode::QcLimitsLineAccepted,
     L"centre line %1, 3σ limits %2 … %3, mean moving range %4, its limit %5 (%6, result − accepted)"},
    {MessageCode::QcDocumentNotCreated, L"the control charts' document was not made"},
    {MessageCode::QcNotEstablished, L"Chart %1. %2: no limits established: %3"},
    {MessageCode::QcNotEstablishedKept,
     L"Chart %1. %2: no limits established: %3; those established %4 stay"},
    {MessageCode::QcLimitsNotRecorded, L"the limits are not written into the QC file “%1”: %2"},
    {MessageCode::QcLimitsNotLoggedAfter,
     L"the limits are written into “%1”, but its change log “%1.log” is not"},
    {MessageCode::QcEstablishedLine, L"Chart %1. %2: limits established from %3 results (%4 – %5): %6"},
    {MessageCode::QcNoQcFile, L"there is no QC file “%1” (it lies beside the components table)"},
    {MessageCode::QcNotAllEstablished, L"quality control limits were not established for every chart"},
    {MessageCode::QcNoSeries, L"there are no series of check samples in the dates chosen"},
    {MessageCode::QcFileUnreadable, L"the file does not read"},
    {MessageCode::QcFileChangedSinceRead, L"the file changed after it was read; run the command again"},
    {MessageCode::QcFileWouldReadAsUtf8, L"in Windows-1251 the file would read as UTF-8"},
    {MessageCode::QcFileUnrepresentable,
     L"the text “%1” holds a character the file's encoding (Windows-1251) lacks"},
    {MessageCode::QcTemporaryNotMade, L"no temporary file could be made beside it: %1"},
    {MessageCode::QcTemporaryNotWritten, L"the temporary file beside it was not written"},
    {MessageCode::QcFileNotReplaced,
     L"the file was not replaced (another program has it open, or it is read-only)"},
    // The command line: verify
    {MessageCode::VerifyInputsHeading, L"The inputs now against those the report records:"},
    {MessageCode::VerifyInputsMatch, L"they match"},
    {MessageCode::VerifyRebuiltHeading, L"The report made again from the present inputs:"},
    {MessageCode::VerifyRebuiltMatches, L"it matches the one recorded"},
    {MessageCode::VerifyDifference, L"%1: in the report “%2”, now “%3”"},
    {MessageCode::VerifyNotRead, L"not read"},
    {MessageCode::VerifyFileGone, L"cannot check: the %1 “%2” is gone or does not read"},
    {MessageCode::VerifyFileChanged, L"%1 “%2” changed: SHA-256 %3 → %4"},
    {MessageCode::VerifyLogNotAnchored,
     L"the change log of the %1 “%2” is there, but the report names none of its entries"},
    {MessageCode::VerifyLogBroken, L"change log of the %1 “%2”: %3"},
    {MessageCode::OfComponentsTable, L"components table"},
    {MessageCode::OfLimitsFile, L"limits file"},
    {MessageCode::OfQcFile, L"QC file"},
    {MessageCode::WhatChromatogramFile, L"chromatogram file"},
    {MessageCode::WhatLimitsFile, L"limits file"},
    {MessageCode::WhatQcFile, L"QC file"},
    {MessageCode::WhatDensitiesFileShort, L"densities file"},
    {MessageCode::VerifyUnverifiable, L"cannot check: %1"},
    {MessageCode::VerifyNoQcFile, L"cannot check: there is no QC file “%1”"},
    {MessageCode::VerifyQcFileNotNamed,
     L"there is a QC file “%1” beside the components table, but the batch report does not name it: no QC "
     L"mark is recorded"},
    {MessageCode::VerifyNoFirstAnalysis,
     L"cannot check: the series' first analysis (%1) is not in the database"},
    {MessageCode::VerifyNoDensity,
     L"cannot check: the densities file has no density of the sample “%1”; the one the report records is "
     L"taken"},
    {MessageCode::VerifyNoDatabase, L"cannot check: there is no database “%1”"},
    {MessageCode::VerifyDatabaseUnreadable, L"cannot check: the database “%1” does not read: %2"},
    {MessageCode::ReportUnreadable, L"the report file “%1” does not read"},
    {MessageCode::ReportLacks, L"the report has no “%1”"},
    {MessageCode::ReportWrongKind, L"“%1” in the report is no %2"},
    {MessageCode::ReportOutOfRange, L"“%1” in the report lies beyond what the program writes"},
    {MessageCode::KindObject, L"object"},
    {MessageCode::KindString, L"string"},
    {MessageCode::KindNumber, L"number"},
    {MessageCode::KindInteger, L"whole number"},
    {MessageCode::KindBoolean, L"true or false"},
    {MessageCode::KindArray, L"array"},
    {MessageCode::KindSha256, L"SHA-256"},
    {MessageCode::KindEntryCount, L"number of entries"},
    {MessageCode::KindMaker, L"“plugin”, “report” or “batch”"},
    {MessageCode::KindUtcTime, L"UTC time"},
    {MessageCode::KindEitherOf, L"“%1” or “%2”"},
    {MessageCode::ReportNotJson, L"the report for programs does not read as JSON"},
    {MessageCode::ReportNotOxycalc, L"this is no oxycalc report"},
    {MessageCode::ReportOtherVersion, L"the report's format version is %1, and version %2 is checked"},
    {MessageCode::ReportOlderVersion,
     L"the report's format version is %1, and version %2 is checked (an earlier version of the program made "
     L"the report)"},
    {MessageCode::ReportNotXml, L"the report document does not read as XML"},
    {MessageCode::ReportChromatogramTwice, L"chromatogram %1 is recorded in the report twice"},
    {MessageCode::ReportKeyTwice, L"the key “%1” is written twice in “%2”"},
    {MessageCode::ReportTooDeep, L"the report nests deeper than %1 levels (in “%2”)"},
    {MessageCode::ReportWhole, L"the report"},
    {MessageCode::ReportDocumentWhole, L"the document"},
    {MessageCode::ReportXmlComment, L"a comment"},
    {MessageCode::ReportXmlInstruction, L"a processing instruction"},
    {MessageCode::ReportXmlCdata, L"a CDATA section"},
    {MessageCode::ReportXmlDoctype, L"a document type declaration"},
    {MessageCode::ReportXmlDeclarationLate, L"the XML declaration is not at the start of the document"},
    {MessageCode::ReportXmlForeign, L"the report document holds %1 (in “%2”): the program writes none"},
    {MessageCode::ReportXmlAttribute,
     L"the element “%1” has an attribute “%2”: the program writes no attributes"},
    {MessageCode::ReportXmlTooDeep, L"the report document nests deeper than %1 levels"},
    // The command line: history
    {MessageCode::HistoryNoLog, L"there is no change log “%1”, or it is empty"},
    {MessageCode::HistoryLogBroken, L"The log is broken: entry %1 — %2."},
    {MessageCode::HistoryLogIntact,
     L"The log holds (entries: %1): the table's file is the last entry's, every version of the table is kept "
     L"and its changes are the entry's."},
    {MessageCode::HistorySavesWithoutReason,
     L"Saves without a reason: entries %1 (oxycalc-cli history FILE --reason \"…\" --entry N writes the "
     L"reason)."},
    {MessageCode::HistoryUnanchored,
     L"Entry %1 (%2) is the last: no entry of the log anchors it, and it can be rewritten so that the log "
     L"still holds. Only a report made after it anchors it: verify of such a report finds the rewrite. The "
     L"entries after the one the last report names are anchored by nothing."},
    {MessageCode::HistoryNoLogFile, L"there is no change log “%1”"},
    {MessageCode::HistoryReasonNotWrittenBroken,
     L"the log is broken (entry %1 — %2): the reason is not written"},
    {MessageCode::HistoryNotASave,
     L"entry %1 is neither a save nor a change of the table: the reason is not written"},
    {MessageCode::HistoryNoSuchEntry, L"the log has no entry %1: the reason is not written"},
    {MessageCode::HistoryNoSave, L"the log has no save in the program: the reason is not written"},
    {MessageCode::HistoryLogNotWritten, L"the change log “%1” was not written"},
    {MessageCode::LogChainStartRemoved,
     L"the first entry refers to one before it: the log's start was removed"},
    {MessageCode::LogChainBroken,
     L"the entry does not continue the one before: that one was removed or changed"},
    {MessageCode::LogNumberMisplaced, L"the entry number %1 is out of its place"},
    {MessageCode::LogEmpty, L"the log has no entries"},
    {MessageCode::LogTableNotLast,
     L"the table's file is not the last entry's: it was changed without an entry in the log"},
    {MessageCode::LogTableUnreadable, L"the table's file does not read"},
    {MessageCode::LogVersionMissing,
     L"the version %1 of the table the entry names is not in the versions folder"},
    {MessageCode::LogVersionAltered,
     L"the version %1 of the table in the versions folder was changed: its SHA-256 differs"},
    {MessageCode::LogChangesDiffer,
     L"the changes the entry names are not those between the table's versions before and after it"},
    {MessageCode::LogShortened,
     L"the log holds %1 entries, and %2 at the report: it was shortened or begun anew"},
    {MessageCode::LogRewritten,
     L"entry %1 is not the one that was last at the report: the log was rewritten"},
    // A change log's entries as the program writes them (in Russian, the log's language) and prints them
    {MessageCode::LogEntryNumber, L"Entry: %1"},
    {MessageCode::LogEntryLocal, L"Local time: %1"},
    {MessageCode::LogEntryUser, L"User: %1"},
    {MessageCode::LogEntryProgram, L"Program: %1"},
    {MessageCode::LogEntryEvent, L"Event: %1"},
    {MessageCode::LogEntryExplains, L"To entry: %1"},
    {MessageCode::LogEntryReason, L"Reason: %1"},
    {MessageCode::LogEntryChanges, L"Changes:"},
    {MessageCode::LogEntryNotes, L"Notes:"},
    {MessageCode::LogEntryFile, L"SHA-256 of the file: %1"},
    {MessageCode::LogEntryPrevious, L"SHA-256 of the entry before: %1"},
    {MessageCode::LogEventStarted, L"log begun"},
    {MessageCode::LogEventStartedAnew, L"log begun anew"},
    {MessageCode::LogEventSaved, L"saved in the program"},
    {MessageCode::LogEventChangedOutside, L"changed outside the program"},
    {MessageCode::LogEventLimitsEstablished, L"control limits established"},
    {MessageCode::LogEventNewDefault, L"new default table: %1"},
    {MessageCode::LogDefaultSha256, L"SHA-256 of the default table: %1"},
    {MessageCode::LogEventReasonGiven, L"reason given"},
    {MessageCode::LogRowChanged, L"row “%1”: %2 “%3” → “%4”"},
    {MessageCode::LogFieldNumber, L"field %1"},
    {MessageCode::LogHeaderChanged, L"header row: “%1” → “%2”"},
    {MessageCode::LogRowAdded, L"row “%1” added: %2"},
    {MessageCode::LogRowRemoved, L"row “%1” removed: %2"},
    {MessageCode::LogVersionSeenBefore,
     L"the program kept this version of the table before: an earlier version was put back, or an entry "
     L"removed from the log"},
    {MessageCode::LogPreviousNotKept, L"the version before is not kept: no differences are shown"},
    {MessageCode::LogBegunAnew,
     L"there is no log before, but versions of the table are kept: the log was removed"},
    {MessageCode::LogReasonFor, L"the reason for entry %1 (%2, %3, %4)"},
    {MessageCode::LogLimitsChange, L"chart “%1” (line %2): %3"},
    {MessageCode::LogCentreLineChange, L"centre line %1 → %2"},
    {MessageCode::LogMovingRangeChange, L"mean moving range %1 → %2"},
    {MessageCode::Log3SigmaChange, L"3σ limits %1 → %2"},
    {MessageCode::LogBaselineChange, L"baseline %1 → %2"},
    {MessageCode::LogBaselineResults, L"%1 results, %2 – %3"},
    // The command line's help (--help)
    {MessageCode::CliUsage,
     L"The calculation of organic oxygenates and of the total organically bound oxygen per\n"
     L"GOST EN 13132-2012 without a window: the batch mode of the oxycalc module.\n"
     L"\n"
     L"Usage:\n"
     L"  oxycalc-cli report --db PATH --assay ID [--assay ID ...] [--tick ID ... | --tick-all]\n"
     L"                     [--density TEXT] [--standard TEXT] --components PATH\n"
     L"                     [--limits FILE] [--xml FILE] [--html FILE [--xsl PATH]]\n"
     L"                     [--json FILE] [--csv FILE] [--lang ru|en]\n"
     L"  oxycalc-cli batch --db PATH --components PATH --standard TEXT --densities FILE\n"
     L"                    --out FOLDER [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--limits FILE]\n"
     L"                    [--xsl PATH] [--series-gap HOURS] [--wait SECONDS] [--lang ru|en]\n"
     L"  oxycalc-cli qc --db PATH --components PATH --standard TEXT --densities FILE\n"
     L"                 --out FOLDER [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--xsl PATH]\n"
     L"                 [--series-gap HOURS] [--lang ru|en]\n"
     L"  oxycalc-cli qc --establish [--qc-baseline YYYY-MM-DD YYYY-MM-DD] --reason TEXT\n"
     L"                 --db PATH --components PATH --standard TEXT --densities FILE\n"
     L"                 [--out FOLDER] [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--xsl PATH]\n"
     L"                 [--series-gap HOURS]\n"
     L"  oxycalc-cli verify REPORT [--register REGISTER] [--lang ru|en]\n"
     L"  oxycalc-cli history FILE [--reason TEXT [--entry N]] [--lang ru|en]\n"
     L"  oxycalc-cli register --start PATTERN [--first N] [--register FILE] [--components PATH]\n"
     L"                       [--lang ru|en]\n"
     L"  oxycalc-cli register --use REGISTER [--components PATH] [--lang ru|en]\n"
     L"  oxycalc-cli issue DRAFT [--register FILE] [--lang ru|en]\n"
     L"  oxycalc-cli amend NUMBER DRAFT --reason TEXT [--register FILE] [--lang ru|en]\n"
     L"  oxycalc-cli amend NUMBER --withdraw --reason TEXT [--register FILE] [--components PATH]\n"
     L"                    [--xsl PATH] [--lang ru|en]\n"
     L"  oxycalc-cli --help\n"
     L"\n"
     L"Options:\n"
     L"  --db PATH          the chromatograms' database (SQLite), read only\n"
     L"  --assay ID         a chromatogram's id in the database; repeated, kept in order;\n"
     L"                     an id given again loads the chromatogram once, an id without a\n"
     L"                     row in the database is told and skipped\n"
     L"  --tick ID          tick a chromatogram for the calculation (repeated; an ID of --assay)\n"
     L"  --tick-all         tick every loaded chromatogram with a sample mass\n"
     L"                     a chromatogram without a sample mass cannot be ticked: it is told\n"
     L"                     and left out, the calculation goes on (code 1)\n"
     L"  --density TEXT     the sample density, kg/m³ (point or comma); not given or\n"
     L"                     empty: 1\n"
     L"  --standard TEXT    the internal standard (a component's name, case aside)\n"
     L"  --components PATH  the components table file (CompsTableOxycalc.csv); opened\n"
     L"                     exclusively, as in the module\n"
     L"  --limits FILE      a limits file (for instance LimitsOxycalc-EN228-E10.csv): the\n"
     L"                     results are held against the limits, the verdicts printed and reported\n"
     L"  --xml FILE         write the report document (UTF-8 XML)\n"
     L"  --html FILE        write the HTML report the stylesheet makes\n"
     L"  --xsl PATH         the stylesheet of --html; by default Report.xsl of the module's\n"
     L"                     data folder (Public Documents\\Veltar4\\oxycalc)\n"
     L"  --json FILE        write the report for programs (LIMS): JSON of a fixed shape\n"
     L"  --csv FILE         write the results for spreadsheets: in Russian \";\" and the\n"
     L"                     decimal comma, with --lang en \",\" and the point; UTF-8 with a\n"
     L"                     byte order mark\n"
     L"  --lang ru|en       the language of the reports, pages (report, batch, qc) and of\n"
     L"                     everything printed on the console: ru Russian (the default),\n"
     L"                     en English; the default stylesheets are then Report.ENU.xsl,\n"
     L"                     BatchIndex.ENU.xsl, QcChart.ENU.xsl; change logs are written in\n"
     L"                     Russian, history prints them in the language of --lang\n"
     L"  An output file may not be an input (the database, the components table, a\n"
     L"  chromatogram, the stylesheet) or another output, lie in a table's change log or\n"
     L"  versions folder (also through a link) or replace a file that is not the same\n"
     L"  output of this program or empty (a QC file, densities, a stylesheet) (code 2).\n"
     L"\n"
     L"Batch calculation (batch): the database's analyses (calibrations aside) are grouped\n"
     L"into series of parallel determinations: analyses of one sample ([assay].sample) made\n"
     L"one after another, no more than --series-gap hours (12) apart. The series whose first\n"
     L"analysis falls in the dates --from…--to (inclusive, local time) are taken, each\n"
     L"whole, even when its analyses go on after --to. Each series takes its density from\n"
     L"the densities file (lines \"sample;density\"), every chromatogram with a sample mass is\n"
     L"ticked, and its reports (HTML, XML, JSON, CSV) are written into the folder --out,\n"
     L"named by the time of the first analysis and the sample\n"
     L"(2024-03-14_0912_AI-95-K5_batch_2417.html), together and only whole. A file of the\n"
     L"folder the batch did not write for this series (or one changed since) is not\n"
     L"replaced: the series is named with the reason. The records of the batch's files are\n"
     L"kept in oxycalc-batch-files.txt in the same folder. The page index.html lists the\n"
     L"series with all their warnings and verdicts (the stylesheet BatchIndex.xsl from the\n"
     L"folder of the report stylesheet); the previous index.html is kept as\n"
     L"index-<its dates>.html. A series without a density or without chromatograms with a\n"
     L"mass is named with the reason. One progress line a series on standard error; code 1\n"
     L"when a series has a warning, an undetermined verdict, a spread above r, or was not\n"
     L"calculated. A series' files get their name once, when first written, and keep it in\n"
     L"any time zone: a series is known by its first analysis (its id and UTC time).\n"
     L"One batch works in a folder at a time (the file oxycalc-batch.lock names it:\n"
     L"user@computer, process, since when); a second one waits --wait seconds (60) and,\n"
     L"when the folder is still held, does not run (code 2). A lock file of a process no\n"
     L"longer on this computer does not hold the folder. A batch cut short on its way\n"
     L"(Ctrl+C, a closed window, a killed process) leaves every series whole or as it was;\n"
     L"the next batch in the folder completes what was left and removes the temporary\n"
     L"files (the folder oxycalc-batch-staging).\n"
     L"\n"
     L"Quality control (batch and qc): the file QcOxycalc.csv beside the components table\n"
     L"(read by the same rules, a header line optional, \"#\" a comment) gives one line per\n"
     L"control chart: the check sample (its sample name in the database, case aside); the\n"
     L"component (a peak name; empty: the total oxygen); \"%% масс.\" or \"%% об.\"; an accepted\n"
     L"value (optional: the chart then plots the result minus it); a tolerance ± (optional,\n"
     L"only with an accepted value); then the established limits qc --establish writes. Each\n"
     L"series of the check sample gives one result per line; the sample density is taken\n"
     L"from the densities file. A line whose sample is a single series in the database is an\n"
     L"error: a check sample is analysed again and again, a single series is an ordinary\n"
     L"sample (and is calculated as one).\n"
     L"The charts of individual values and moving ranges are drawn over every series of the\n"
     L"check sample in the database, whatever dates are chosen; the series of the chosen\n"
     L"dates are shown. The lab establishes the limits (mean ± 2.66·MR̄, the MR limit\n"
     L"3.267·MR̄) once: qc --establish --reason \"…\" takes the baseline (the chart's first\n"
     L"20 used results in the database, or the series of the dates --qc-baseline, inclusive)\n"
     L"and writes the limits into the QC file, and into its log (QcOxycalc.csv.log) who,\n"
     L"when, why, the limits before and the new ones; a revision is the same command with a\n"
     L"new reason. The results after the baseline are judged by the recorded limits in every\n"
     L"later batch and qc. Before the limits are established (and up to the end of the\n"
     L"baseline) a result is judged by provisional limits from the results of its chart made\n"
     L"before it (the first 20 used ones, failed ones aside); with fewer than 5 it is not\n"
     L"judged. Rules: 1 a point beyond a 3σ limit; 2 2 of 3 in a row beyond 2σ on one side;\n"
     L"3 4 of 5 in a row beyond 1σ on one side; 4 8 in a row on one side of the centre\n"
     L"line; 5 a moving range above its limit (but a return from a point that broke a rule:\n"
     L"such a range is counted to that point, as the point says). A result whose basis is\n"
     L"undetermined (the standard not found, a component not found and so on) is shown but\n"
     L"not used. An analysis with no check in control between it and a failed check (out of\n"
     L"control or outside its tolerance), made after the last check in control up to the end\n"
     L"of the failed one's series (also between its parallels) or after the failed one up\n"
     L"to the next in control, puts its series \"in doubt: quality control failed\" on the\n"
     L"batch page's row, in the report and in the JSON (code 1); \"confirmed\" only by a check\n"
     L"in control after the series, without one \"not yet confirmed by quality control\". When\n"
     L"the chosen dates hold QC results but none was judged, this is told (code 1). The\n"
     L"batch page shows the charts, qc.json the same points, limits and violations for\n"
     L"programs (the previous one is kept as qc-<dates>.json).\n"
     L"The command qc calculates the series of the check samples only and writes into the\n"
     L"folder --out the page qc.html (the stylesheet --xsl, by default QcChart.xsl of the\n"
     L"module's data folder) and qc.json, replacing those before; code 1 when a QC result\n"
     L"failed or is undetermined, none was judged, the QC file holds errors or there are no\n"
     L"results. With --establish it establishes each chart's limits and, when --out is\n"
     L"given, draws the charts with them; code 1 when a chart got no limits or the QC file\n"
     L"was not written.\n"
     L"\n"
     L"Checking a report (verify): a report (XML or JSON, of the module or of oxycalc-cli)\n"
     L"records how it was made (the settings, the program) and its inputs: the chromatogram\n"
     L"files, the components, limits, densities, QC and stylesheet files with their SHA-256\n"
     L"and where their change logs stood, the database's rows the numbers rest on. verify\n"
     L"holds the recorded files against the present ones (by SHA-256, the logs by the entry\n"
     L"the report names), then makes the report again with the recorded settings from the\n"
     L"present data and compares it with the recorded one field by field, naming every\n"
     L"difference. Code 0 all match, 1 a difference or an input that is gone, 2 the report\n"
     L"does not read (the missing or wrong key is named).\n"
     L"\n"
     L"Change log (history): the components table, a limits file and the QC file keep a\n"
     L"change log beside them (NAME.log, the versions in the folder NAME.versions): a save in\n"
     L"the module, a change made outside it found at the next read, QC limits established.\n"
     L"history prints the log and checks it: every entry continues the one before (SHA-256),\n"
     L"the numbers are in order, the file is the last entry's, every entry's version of the\n"
     L"table is kept and the changes between the versions are those the entry names; it\n"
     L"names the saves without a reason and says that nothing in the log anchors the last\n"
     L"entry (only a report made after it does). Code 0 the log holds, 1 it is broken (the\n"
     L"first wrong entry is named), 2 there is no log.\n"
     L"With --reason TEXT history writes into a new entry of the log the reason for a save in\n"
     L"the module (or a change made outside it): the last save, or the entry --entry N; the\n"
     L"entry names the one it gives the reason for, and who gave it, where and when. Code 0\n"
     L"written, 1 the log is broken or cannot be written (nothing is added), 2 there is no\n"
     L"log or no such entry.\n"
     L"\n"
     L"The results are printed on standard output, the messages and warnings (the standard\n"
     L"not given or not in the components table, a chromatogram without named peaks or\n"
     L"without the standard's peak, a component not found in every parallel determination,\n"
     L"a peak's concentration not given, a component without a molar mass or density) on\n"
     L"standard error. Analysis times are shown in the local time zone (TZ).\n"
     L"Results outside the method's range (a component below 0.17 or above 15 %% m/m, oxygen\n"
     L"above 3.7 %% m/m) are marked in the report; the verdicts on limits do not change.\n"
     L"\n"
     L"Exit codes:\n"
     L"  0  success: every chromatogram of --assay loaded with a sample mass, every tick\n"
     L"     taken, the calculation has no warning and every verdict on a limit is determined\n"
     L"  1  the database or a file cannot be used, a chromatogram was not loaded or has no\n"
     L"     sample mass, a tick was refused, nothing is ticked, the components table is\n"
     L"     empty, the calculation has a warning, a verdict on a limit is undetermined or\n"
     L"     the limits file holds errors; the report is written from what could be taken\n"
     L"  2  a wrong command line, a value that is no number, an output file that is an\n"
     L"     input; nothing is written\n"},
    // The register of issued reports
    {MessageCode::PatternLength, L"the number pattern is empty or longer than %1 characters"},
    {MessageCode::PatternCharacter,
     L"the number pattern holds “%1”, which no file name can hold (the number names the report’s files)"},
    {MessageCode::PatternBrace,
     L"braces in the number pattern may hold only {YYYY} (the year) or {NNNNN} (the counter, 1 to 12 N)"},
    {MessageCode::PatternCounter,
     L"the number pattern must hold exactly one counter {NNNNN} and at most one year {YYYY}"},
    {MessageCode::RegisterNotAnEntry,
     L"it is no entry of a register: text was put in or the entry is damaged"},
    {MessageCode::RegisterChainBroken,
     L"it does not continue the entry before it (its SHA-256 of the previous entry differs): an entry before "
     L"it was removed or edited"},
    {MessageCode::RegisterOutOfPlace, L"its entry number is out of its place"},
    {MessageCode::RegisterNotBegun, L"the register does not begin with the entry that begins a register"},
    {MessageCode::RegisterBegunTwice, L"the register is begun a second time"},
    {MessageCode::RegisterCounterOutOfTurn,
     L"its counter does not follow the one before: a number is given twice or skipped"},
    {MessageCode::RegisterUnreadable, L"the file does not read on"},
    {MessageCode::RegisterEmpty, L"the file is empty"},
    {MessageCode::RegisterBroken,
     L"The report register “%1” cannot be trusted: entry %2 — %3. No report is issued until the register is "
     L"restored (from a copy) or looked into."},
    {MessageCode::RegisterMissing,
     L"The report register “%1” is not there or does not open: the report is not issued."},
    {MessageCode::RegisterLockFailed,
     L"The report register “%1” could not be held for this issue: the file “%2” was not made (%3); the "
     L"report is not issued."},
    {MessageCode::RegisterBusyMaking,
     L"The report register “%1” is held: the file “%2” is still being written; the report is not issued, try "
     L"again."},
    {MessageCode::RegisterBusy,
     L"The report register “%1” is held: %2 (process %3) has been writing to it since %4; the report is not "
     L"issued, try again."},
    {MessageCode::RegisterBusyElsewhere,
     L"The report register “%1” is held: %2 (process %3) has been writing to it since %4; the report is not "
     L"issued. If nothing is being issued on that computer any more, remove the file “%5”."},
    {MessageCode::RegisterLockLost,
     L"Another process took the report register “%1” during the issue: the report is not issued."},
    {MessageCode::RegisterFolderNotMade, L"The folder “%1” was not made: %2; the report is not issued."},
    {MessageCode::RegisterFileNotStaged,
     L"The file “%1” of the report being issued was not written%2; the report is not issued and the number "
     L"is not taken."},
    {MessageCode::RegisterNotAppended,
     L"The entry was not added to the register “%1”: %2; the report is not issued and the number is not "
     L"taken."},
    {MessageCode::RegisterFileNotPlaced,
     L"The file “%1” of report No. %2 was not put in its place: %3. The number is in the register; the file "
     L"stays in “%4”, and the next issue puts it in place."},
    {MessageCode::RegisterFileChanged,
     L"The file “%1” of report No. %2 has changed since it was issued (its SHA-256 is not the one entry %3 "
     L"of the register holds): no report is issued until the file is put back."},
    {MessageCode::RegisterFileMissing,
     L"The file “%1” of report No. %2 (entry %3 of the register) is neither in its place nor among the "
     L"staged files: no report is issued until the file is put back."},
    {MessageCode::RegisterCompleted,
     L"The files of report No. %1, whose issue was cut short after its entry, are put in their place."},
    {MessageCode::RegisterTailCut,
     L"The register “%1” ended in an incomplete entry of an issue cut short; it is removed (no number was "
     L"given by it)."},
    {MessageCode::RegisterTailNotCut,
     L"The incomplete entry at the end of the register “%1” was not removed: %2; the report is not issued."},
    {MessageCode::RegisterNumberUnknown,
     L"Report No. %1 is not in the register “%2”: there is nothing to amend or withdraw."},
    {MessageCode::RegisterNumberIsNotice,
     L"No. %1 is the withdrawal of a report, not a report: it cannot be amended or withdrawn."},
    {MessageCode::RegisterNumberAmended,
     L"Report No. %1 is already replaced by report No. %2 of %3 (reason: %4): only a report in force can be "
     L"amended or withdrawn."},
    {MessageCode::RegisterNumberWithdrawn,
     L"Report No. %1 is already withdrawn (withdrawal No. %2 of %3, reason: %4): only a report in force can "
     L"be amended or withdrawn."},
    {MessageCode::RegisterNumberUsed,
     L"The file “%1” is there while the register does not hold No. %2: the register seems to be an older "
     L"copy put back. No number is given twice; the report is not issued."},
    {MessageCode::RegisterExists,
     L"The report register “%1” is begun already: the number pattern is set once."},
    {MessageCode::RegisterNotCreated, L"The report register “%1” was not made: %2"},
    {MessageCode::RegisterStarted,
     L"The report register is begun: “%1”, numbers by the pattern “%2”, the first %3."},
    {MessageCode::RegisterDraftIssued,
     L"This draft is issued already: report No. %1 of %2. It gets no second number."},
    {MessageCode::RegisterSeriesIssued,
     L"A report of this series is issued already (No. %1 of %2), and its calculation differs now: a new one "
     L"is issued in its place (oxycalc-cli amend %1 DRAFT --reason \"…\")."},
    {MessageCode::RegisterOtherSample,
     L"The draft is of another sample (“%1”) than report No. %2 (“%3”): what replaces a report is a new "
     L"calculation of the same sample; a report of the wrong sample is withdrawn (--withdraw)."},
    {MessageCode::RegisterExportUnread,
     L"The issued file “%1” could not be read for the LIMS export: the export is not written; the issue "
     L"stands."},
    {MessageCode::RegisterOff,
     L"No report register is kept: there is no RegisterOxycalc.txt (nor a link to one, RegisterOxycalc.link) "
     L"beside the components file “%1”. A lab begins one once: oxycalc-cli register --start "
     L"\"LAB-{YYYY}-{NNNNN}\"."},
    {MessageCode::RegisterBesideAlready,
     L"A register “%1” is kept beside the components file already: no link to “%2” is written (the plug-in "
     L"would find its own register)."},
    {MessageCode::RegisterLinkNotWritten,
     L"The link to the register beside the components file “%1” was not written: %2"},
    {MessageCode::RegisterLinked,
     L"With the components file “%1”, the plug-in and oxycalc-cli keep the register “%2”."},
    {MessageCode::RegisterCliBadPattern, L"the number pattern “%1”: %2"},
    {MessageCode::RegisterCliNoValue, L"%1 has no value"},
    {MessageCode::RegisterCliTwice, L"%1 is given twice"},
    {MessageCode::RegisterCliUnknown, L"unknown option %1"},
    {MessageCode::RegisterCliStartOrUse,
     L"register expects --start \"PATTERN\" [--first N] [--register FILE] or --use REGISTER"},
    {MessageCode::RegisterCliDraft, L"issue expects one draft file (a report’s JSON or document)"},
    {MessageCode::RegisterCliAmend,
     L"amend expects a report’s number and a draft file (or --withdraw instead of the file); --xsl goes "
     L"with --withdraw only"},
    {MessageCode::RegisterCliReason,
     L"amend needs a reason: --reason \"…\" (it goes into the register and the new report)"},
    {MessageCode::RegisterCliFirst, L"--first “%1” is no whole number from 1"},
    {MessageCode::RegisterCliLanguage, L"--lang “%1” is no language: ru or en"},
    {MessageCode::RegisterCliRegisterWithIssue, L"batch takes --register only with --issue"},
    {MessageCode::RegisterCliHistoryReason,
     L"a report register takes no reason: oxycalc-cli amend writes why a report is amended or withdrawn"},
    {MessageCode::RegisterNotADraft,
     L"“%1” is no draft: it is report No. %2 as issued. An issued report is changed only by a new one in its "
     L"place (oxycalc-cli amend)."},
    {MessageCode::RegisterDraftNotVerified,
     L"The draft “%1” does not hold against its inputs as they are now and is not issued; make the draft "
     L"again:"},
    {MessageCode::RegisterStylesheetWhat, L"the stylesheet of the issued report’s page"},
    {MessageCode::RegisterIssuedLine, L"Issued report No. %1:"},
    {MessageCode::RegisterAmendedLine,
     L"Issued report No. %1 in place of report No. %2 (the register marks that one amended):"},
    {MessageCode::RegisterWithdrawnLine, L"Issued withdrawal No. %1: report No. %2 is withdrawn:"},
    {MessageCode::RegisterPlaceNotOutput,
     L"the file “%1” is the report register or lies in its folders; only an issue writes there, the report "
     L"is not written"},
    {MessageCode::RegisterIssuedNotReplaced,
     L"the file “%1” is an issued report or a withdrawal: issued reports are never written over (name "
     L"another file)"},
    {MessageCode::RegisterHistoryStarted, L"%1. %2, %3: register begun, numbers by the pattern “%4”"},
    {MessageCode::RegisterHistoryIssued, L"%1. %2, %3: issued report No. %4, sample “%5” (%6)"},
    {MessageCode::RegisterHistoryAmended,
     L"%1. %2, %3: issued report No. %4 in place of No. %5 (reason: %6), sample “%7” (%8)"},
    {MessageCode::RegisterHistoryWithdrawn,
     L"%1. %2, %3: issued withdrawal No. %4 — report No. %5 withdrawn (reason: %6)"},
    {MessageCode::RegisterHistoryOther, L"%1. %2, %3: %4 (an entry of a newer version of the program)"},
    {MessageCode::RegisterHistoryFileGone, L"the file “%1” is not there"},
    {MessageCode::RegisterHistoryHolds,
     L"The register holds: %1 entries; %2 reports issued, %3 of them in place of earlier ones; %4 "
     L"withdrawals."},
    {MessageCode::RegisterHistoryLast,
     L"Entry %1 is the last: no entry of the register anchors it, and it could be rewritten with the "
     L"register still holding. A report issued after it anchors it (it keeps the SHA-256 of the entry before "
     L"it), and so does a copy of the register made after it."},
    {MessageCode::VerifyRegisterTitle, L"By the report register:"},
    {MessageCode::VerifyDraft,
     L"this is a draft report: not issued, it has no number; it is not to be signed or passed on"},
    {MessageCode::VerifyRegistered,
     L"report No. %1 is issued: register “%2”, entry %3 of %4; the file is the one issued"},
    {MessageCode::VerifyStandingExport,
     L"the file is the LIMS export of what became of report No. %1; but for its status it is the report as "
     L"issued"},
    {MessageCode::VerifyNotIssuedFile,
     L"the file is not the one issued as No. %1: its SHA-256 (%2…) is not among the files of entry %3 of the "
     L"register"},
    {MessageCode::VerifyAnchorBroken,
     L"the register “%1” is rewritten: entry %2 is not the one that stood before this report was issued"},
    {MessageCode::VerifyAmended, L"report No. %1 is replaced by report No. %2 of %3: %4"},
    {MessageCode::VerifyWithdrawn, L"report No. %1 is withdrawn (withdrawal No. %2 of %3): %4"},
    {MessageCode::VerifyInForce, L"report No. %1 is in force: it was neither amended nor withdrawn"},
    {MessageCode::VerifyNotInRegister,
     L"No. %1 is not in the register “%2”: that register never gave this number"},
    {MessageCode::VerifyRegisterUnavailable,
     L"cannot be checked: the report register “%1” is not there (name it: --register FILE)"},
    {MessageCode::VerifyNotice,
     L"No. %1 is the withdrawal of report No. %2, issued %3: %4; the file is the one issued"},
    {MessageCode::VerifyNoticeUnread, L"the withdrawal “%1” does not read"},
    {MessageCode::BatchIssued, L"issued as report No. %1"},
    {MessageCode::BatchIssuedBefore, L"issued before: report No. %1"},
    {MessageCode::BatchNotIssued, L"the report is not issued: %1"},
    {MessageCode::PluginIssueQuestion,
     L"The report is open as a draft (DRAFT across its page).\n\nIssue it under the next number of the "
     L"report register? An issued report is never changed: only a new report can replace it."},
    {MessageCode::PluginIssued, L"The report is issued: No. %1.\n\nIts files are in the folder “%2”."},
    {MessageCode::PluginSignMenu, L"Sign an issued report…"},
    {MessageCode::PluginSignQuestion,
     L"Sign report No. %1 as “%2”?\n\nThe signing certificate is chosen from the Windows certificate store; "
     L"a key on a token or in a cryptographic provider asks for its own PIN."},
    {MessageCode::PluginSignChooseReport, L"Which issued report to sign?"},
    {MessageCode::PluginSignReportFilter, L"Issued reports"},
    {MessageCode::PluginSignNoReport,
     L"The file “%1” is no issued report of the register “%2”: choose a report's file in its reports "
     L"folder."},
    {MessageCode::PluginSignAllMade, L"Report No. %1 already has every signature the lab makes: %2."},
    {MessageCode::PluginCertificateTitle, L"Signing certificate"},
    {MessageCode::PluginCertificatePrompt,
     L"Choose your certificate: report No. %1 will be signed with it as “%2”."},
    {MessageCode::PluginCertificateNone,
     L"The Windows certificate store holds no certificate valid now with a private key: import yours "
     L"(a PKCS #12 file) or attach your token and sign again. Nothing is signed."},
    {MessageCode::PluginCertificateChooserMissing,
     L"The certificate chooser does not open (%1): nothing is signed."},
    {MessageCode::PluginSigned,
     L"Report No. %2 is signed — %1.\n\nThe signature and its statement are in the register; the page with "
     L"the signatures: %3"},
    {MessageCode::RegisterUsage,
     L"\nThe register of issued reports (register, issue, amend): a lab begins it once with its\nnumber "
     L"pattern: oxycalc-cli register --start \"LAB-{YYYY}-{NNNNN}\" ({YYYY} the year of\nissue, {NNNNN} a "
     L"counter of at least so many digits, running on over the years, never\nrepeated and never going back; "
     L"--first N the first number). The register\nRegisterOxycalc.txt lies beside the components file "
     L"(--components, by default the\nplug-in's data folder) or at --register FILE (a shared folder: a "
     L"link,\nRegisterOxycalc.link, is then written beside the components file; another workstation\njoins "
     L"with register --use REGISTER). Without a register, reports are made as before.\nWith one, a report of "
     L"the plug-in, of report and of batch is a draft (DRAFT across its\npage, \"status\": \"draft\") until "
     L"issued: oxycalc-cli issue DRAFT.json holds the draft\nagainst its inputs as verify does, gives it the "
     L"next number and writes its page,\ndocument and JSON with the number into RegisterOxycalc.txt.reports; "
     L"the last line\nprinted is the number. batch --issue issues each series' report. Issued files "
     L"are\nnever written over. amend NUMBER DRAFT --reason \"…\" issues a new calculation of the\nsame "
     L"sample in place of a report (\"Replaces report No. … of …\" and the reason), amend\nNUMBER --withdraw "
     L"--reason \"…\" a withdrawal; the earlier report is marked in the\nregister by a new entry, its files "
     L"stay. Every issue holds the register under a lock\n(oxycalc-register.lock; two workstations never get "
     L"one number), and each entry carries\nthe SHA-256 of the one before. history REGISTER checks the chain "
     L"and lists the\nentries; verify of an issued report first says whether it is issued and whether it "
     L"was\nreplaced (exit 1). Exit codes: 0 done, 1 refused or not done (nothing issued), 2 a\ndraft that "
     L"does not read or a pattern that is no pattern.\n"},
};
extern const size_t kEnglishCatalogueSize = sizeof kEnglishCatalogue / sizeof kEnglishCatalogue[0];
