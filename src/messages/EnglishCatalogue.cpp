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
    {MessageCode::Yes, L"yes"},
    {MessageCode::No, L"no"},
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
     L"amend expects a report’s number and a draft file (or --withdraw instead of the file); --xsl and "
     L"--lang go with --withdraw only"},
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
     L"The report is open as a draft (DRAFT across its page).\n\nIssue it: give it a number from the report "
     L"register and keep its files unchangeable?"},
    {MessageCode::PluginIssued, L"The report is issued: No. %1.\n\nIts files are in the folder “%2”."},
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
