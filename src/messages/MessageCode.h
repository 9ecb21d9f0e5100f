#pragma once

#include <cstdint>

// Every code the core says something with, and its key as documents for programs name it, with the values it
// takes in order. A new code is a line here and its text in each catalogue (RussianCatalogue.cpp,
// EnglishCatalogue.cpp); a test holds every code against every catalogue.
#define OXY_MESSAGE_CODES(X)                                                                                 \
    X(None, "none")                                                                                          \
    /* Composed */                                                                                           \
    X(List, "list") /* items */                                                                              \
    X(Text, "text") /* text */                                                                               \
    /* Warnings of a calculation: %1 subject, %2 chromatograms, %3 detail */                                 \
    X(StandardNotFound, "standard_not_found")     /* subject */                                              \
    X(NoMolarMass, "no_molar_mass")               /* subject */                                              \
    X(NoDensity, "no_density")                    /* subject */                                              \
    X(ComponentsLastRead, "components_last_read") /* subject */                                              \
    X(ComponentsNotRead, "components_not_read")   /* subject */                                              \
    X(SeveralSamples, "several_samples")          /* subject */                                              \
    X(NoStandard, "no_standard")                                                                             \
    X(ImplausibleDensity, "implausible_density")            /* subject */                                    \
    X(NoPeakName, "no_peak_name")                           /* subject */                                    \
    X(NoComponents, "no_components")                        /* subject */                                    \
    X(ComponentsWithoutHeader, "components_without_header") /* subject */                                    \
    X(NoNamedPeaks, "no_named_peaks")                       /* subject, chromatograms */                     \
    X(NoStandardPeak, "no_standard_peak")                   /* subject, chromatograms */                     \
    X(PartlyFound, "partly_found")                          /* subject, chromatograms */                     \
    X(BadConcentration, "bad_concentration")                /* subject, chromatograms */                     \
    X(NoOxygenAtoms, "no_oxygen_atoms")                     /* subject */                                    \
    X(NoAnalysisDate, "no_analysis_date")                   /* subject, chromatograms */                     \
    X(TableChangedOutside, "table_changed_outside")         /* subject */                                    \
    X(NoSampleDensity, "no_sample_density")                                                                  \
    X(TableLogUnwritable, "table_log_unwritable")            /* subject */                                   \
    X(TableLogBroken, "table_log_broken")                    /* subject, chromatograms, detail */            \
    X(PeakNameInSeveralRows, "peak_name_in_several_rows")    /* subject, chromatograms, detail */            \
    X(StandardInSeveralRows, "standard_in_several_rows")     /* subject, chromatograms, detail */            \
    X(PeakTwiceInChromatogram, "peak_twice_in_chromatogram") /* subject, chromatograms, detail */            \
    X(NewDefaultTable, "new_default_table")                  /* subject, chromatograms, detail */            \
    X(TicksNotCounted, "ticks_not_counted")                  /* chromatograms */                             \
    X(StaleChromatograms, "stale_chromatograms")             /* chromatograms */                             \
    X(PeaksWithoutComponent, "peaks_without_component")      /* subject, chromatograms, detail */            \
    X(PeakNameMistyped, "peak_name_mistyped")                /* subject, chromatograms, detail */            \
    /* The QC file behind a batch's marks: subject, detail */                                                \
    X(QcLimitsNotAsEstablished, "qc_limits_not_as_established")                                              \
    /* How a new default table differs (the detail of new_default_table) */                                  \
    X(DefaultDiffers, "default_differs") /* component, fields */                                             \
    X(DefaultField, "default_field")     /* field, ours, theirs */                                           \
    X(DefaultMolarMass, "default_molar_mass")                                                                \
    X(DefaultDensity, "default_density")                                                                     \
    X(DefaultOxygenAtoms, "default_oxygen_atoms")                                                            \
    /* Why a change log cannot be trusted (the detail of table_log_broken) */                                \
    X(LogVersionNotKept, "log_version_not_kept")                                                             \
    X(LogRemoved, "log_removed")                                                                             \
    /* Verdicts, quantities, the method's range, the total */                                                \
    X(VerdictConforms, "verdict_conforms")                                                                   \
    X(VerdictExceeds, "verdict_exceeds")                                                                     \
    X(VerdictConditionallyConforms, "verdict_conditionally_conforms")                                        \
    X(VerdictConditionallyExceeds, "verdict_conditionally_exceeds")                                          \
    X(VerdictUndetermined, "verdict_undetermined")                                                           \
    X(QuantityMass, "quantity_mass")                                                                         \
    X(QuantityVolume, "quantity_volume")                                                                     \
    X(ScopeBelow, "scope_below")                                                                             \
    X(ScopeAbove, "scope_above")                                                                             \
    X(TotalUndetermined, "total_undetermined")                                                               \
    X(TotalUndeterminedTip, "total_undetermined_tip") /* doubt, value */                                     \
    X(TotalNoResultNote, "total_no_result_note")      /* doubt, value */                                     \
    /* Lines of the warning list beside the warnings */                                                      \
    X(LimitsLineError, "limits_line_error")      /* file, error */                                           \
    X(LimitUndetermined, "limit_undetermined")   /* name, outcome, doubt */                                  \
    X(DensityNotANumber, "density_not_a_number") /* typed, the density kept */                               \
    X(LimitOfOthers, "limit_of_others")                                                                      \
    X(LimitOfTotalOxygen, "limit_of_total_oxygen")                                                           \
    /* Why a verdict is undetermined */                                                                      \
    X(DoubtNothingTicked, "doubt_nothing_ticked")                                                            \
    X(DoubtTableNotRead, "doubt_table_not_read")                                                             \
    X(DoubtSeveralSamples, "doubt_several_samples")                                                          \
    X(DoubtUnprocessed, "doubt_unprocessed")                                                                 \
    X(DoubtNoStandardPeak, "doubt_no_standard_peak")                                                         \
    X(DoubtStaleChromatograms, "doubt_stale_chromatograms")                                                  \
    X(DoubtPeakInSeveralRows, "doubt_peak_in_several_rows")                                                  \
    X(DoubtStandardInSeveralRows, "doubt_standard_in_several_rows")                                          \
    X(DoubtSpread, "doubt_spread")            /* spread, r */                                                \
    X(DoubtOfComponent, "doubt_of_component") /* component, doubt */                                         \
    X(DoubtStandardNotFound, "doubt_standard_not_found")                                                     \
    X(DoubtNoReproducibility, "doubt_no_reproducibility")                                                    \
    X(DoubtUnknownRule, "doubt_unknown_rule")                                                                \
    X(DoubtNoStandard, "doubt_no_standard")                                                                  \
    X(DoubtNoSampleDensity, "doubt_no_sample_density")                                                       \
    X(DoubtImplausibleDensity, "doubt_implausible_density")                                                  \
    X(DoubtNoDensity, "doubt_no_density")               /* component */                                      \
    X(DoubtNoMolarMass, "doubt_no_molar_mass")          /* component */                                      \
    X(DoubtNoOxygenAtoms, "doubt_no_oxygen_atoms")      /* component */                                      \
    X(DoubtBadConcentration, "doubt_bad_concentration") /* component */                                      \
    X(DoubtPartlyFound, "doubt_partly_found")           /* component */                                      \
    X(DoubtUnknownPeakName, "doubt_unknown_peak_name")                                                       \
    X(DoubtPeakNameMistyped, "doubt_peak_name_mistyped") /* component */                                     \
    /* A limits file's lines */                                                                              \
    X(LimitsNoName, "limits_no_name")                                                                        \
    X(LimitsBadQuantity, "limits_bad_quantity") /* text */                                                   \
    X(LimitsBadMaximum, "limits_bad_maximum")   /* text */                                                   \
    X(LimitsOxygenByMass, "limits_oxygen_by_mass")                                                           \
    X(LimitsBadR, "limits_bad_r")                  /* text */                                                \
    X(LimitsRNotPositive, "limits_r_not_positive") /* text */                                                \
    X(LimitsROneComponent, "limits_r_one_component")                                                         \
    X(LimitsBadReproducibility, "limits_bad_reproducibility")           /* text */                           \
    X(LimitsNegativeReproducibility, "limits_negative_reproducibility") /* text */                           \
    X(LimitsUnknownRule, "limits_unknown_rule")                         /* text */                           \
    X(LimitsRuleTwice, "limits_rule_twice")                                                                  \
    X(LimitsTooLarge, "limits_too_large") /* text */                                                         \
    X(LimitsNotOpened, "limits_not_opened")                                                                  \
    X(LimitsEmpty, "limits_empty")                                                                           \
    X(FileLine, "file_line") /* line, error */                                                               \
    /* A QC file's lines */                                                                                  \
    X(QcBadMoment, "qc_bad_moment") /* what, text */                                                         \
    X(QcBaselineStart, "qc_baseline_start")                                                                  \
    X(QcBaselineEnd, "qc_baseline_end")                                                                      \
    X(QcEstablishedAt, "qc_established_at")                                                                  \
    X(QcBadCentre, "qc_bad_centre")            /* text */                                                    \
    X(QcBadMovingRange, "qc_bad_moving_range") /* text */                                                    \
    X(QcBadCount, "qc_bad_count")              /* text */                                                    \
    X(QcBaselineReversed, "qc_baseline_reversed")                                                            \
    X(QcNoReason, "qc_no_reason")                                                                            \
    X(QcEstablishedError, "qc_established_error") /* error */                                                \
    X(QcNoSample, "qc_no_sample")                                                                            \
    X(QcOneComponent, "qc_one_component") /* text */                                                         \
    X(QcBadAccepted, "qc_bad_accepted")   /* text */                                                         \
    X(QcBadTolerance, "qc_bad_tolerance") /* text */                                                         \
    X(QcToleranceWithoutAccepted, "qc_tolerance_without_accepted")                                           \
    X(QcNotOpened, "qc_not_opened")                                                                          \
    X(QcSameChart, "qc_same_chart") /* row */                                                                \
    X(QcEmpty, "qc_empty")                                                                                   \
    X(QcOxygen, "qc_oxygen")                                                                                 \
    X(QcTotalOxygen, "qc_total_oxygen")                                                                      \
    X(QcLimitsNotLogged, "qc_limits_not_logged")                                                             \
    X(QcLimitsNotAsLogged, "qc_limits_not_as_logged") /* entry, moment */                                    \
    /* Control charts */                                                                                     \
    X(QcInControl, "qc_in_control")                                                                          \
    X(QcFailed, "qc_failed")                                                                                 \
    X(QcUndetermined, "qc_undetermined")                                                                     \
    X(QcUnjudged, "qc_unjudged")                                                                             \
    X(RuleBeyondLimit, "rule_beyond_limit")                                                                  \
    X(RuleTwoOfThree, "rule_two_of_three")                                                                   \
    X(RuleFourOfFive, "rule_four_of_five")                                                                   \
    X(RuleEightOnOneSide, "rule_eight_on_one_side")                                                          \
    X(RuleMovingRange, "rule_moving_range")                                                                  \
    X(LimitsNeedTwo, "limits_need_two")                                                                      \
    X(LimitsNoSpread, "limits_no_spread")                                                                    \
    X(ProvisionalTooFew, "provisional_too_few")       /* count, least */                                     \
    X(BaselineFirstResults, "baseline_first_results") /* count */                                            \
    X(BaselineSeries, "baseline_series")              /* from, to */                                         \
    X(QcNotFinite, "qc_not_finite")                                                                          \
    X(QcComponentNotInTable, "qc_component_not_in_table") /* peak */                                         \
    X(QcComponentNotFound, "qc_component_not_found")      /* peak */                                         \
    X(QcNotCalculated, "qc_not_calculated")                                                                  \
    X(QcNoTolerance, "qc_no_tolerance")           /* why */                                                  \
    X(QcOutsideTolerance, "qc_outside_tolerance") /* tolerance */                                            \
    X(QcWithinToleranceShort, "qc_within_tolerance_short")                                                   \
    X(QcOutsideToleranceShort, "qc_outside_tolerance_short")                                                 \
    X(QcReturnNote, "qc_return_note") /* range, limit, from */                                               \
    X(QcPointBefore, "qc_point_before")                                                                      \
    /* What QC says of a series */                                                                           \
    X(QualityConfirmed, "quality_confirmed")                                                                 \
    X(QualityNotYetConfirmed, "quality_not_yet_confirmed")                                                   \
    X(QualityInDoubt, "quality_in_doubt")                                                                    \
    X(QualityUndetermined, "quality_undetermined")                                                           \
    X(QualityLimitsInDoubt, "quality_limits_in_doubt")                          /* check, why */             \
    X(QualityCheck, "quality_check")                                            /* chart, moment */          \
    X(QualityCheckFailed, "quality_check_failed")                               /* check, why */             \
    X(QualityAfterFailed, "quality_after_failed")                               /* check, why */             \
    X(QualityNoLimits, "quality_no_limits")                                     /* chart, why */             \
    X(QualityCheckInControl, "quality_check_in_control")                        /* check */                  \
    X(QualityCheckInControlProvisional, "quality_check_in_control_provisional") /* check */                  \
    X(QualityPending, "quality_pending")                                        /* charts */                 \
    /* Loading chromatograms */                                                                              \
    X(LoadFileNotRead, "load_file_not_read")                      /* file */                                 \
    X(LoadNoSampleMass, "load_no_sample_mass")                    /* file */                                 \
    X(LoadSampleMassNotPositive, "load_sample_mass_not_positive") /* file, text */                           \
    X(LoadOutOfMemory, "load_out_of_memory")                      /* id */                                   \
    /* The components table's file */                                                                        \
    X(TableNotRepresentable, "table_not_representable") /* number, text */                                   \
    X(TableNotStorable, "table_not_storable")           /* number, text */                                   \
    X(TableBadOxygenAtoms, "table_bad_oxygen_atoms")    /* number, name, most */                             \
    X(TableNotLoaded, "table_not_loaded")               /* path */                                           \
    X(TableReadsAsUtf8, "table_reads_as_utf8")                                                               \
    X(TableOpenFailed, "table_open_failed")   /* path */                                                     \
    X(TableWriteFailed, "table_write_failed") /* path */                                                     \
    X(NoPublicDocuments, "no_public_documents")                                                              \
    X(NewComponentPeakName, "new_component_peak_name")                                                       \
    /* Writing reports */                                                                                    \
    X(DocumentNotCreated, "document_not_created")                                                            \
    X(FileNotWritten, "file_not_written")                   /* path, why */                                  \
    X(FilesNotAllPlaced, "files_not_all_placed")            /* list */                                       \
    X(ReportNotMadeStale, "report_not_made_stale")          /* files */                                      \
    X(ChromatogramFileChanged, "chromatogram_file_changed") /* id, file */                                   \
    X(ChromatogramFileGone, "chromatogram_file_gone")       /* id, file */                                   \
    /* The report's words */                                                                                 \
    X(Yes, "yes")                                                                                            \
    X(No, "no")                                                                                              \
    X(Total, "total")                                                                                        \
    X(KindAnalysis, "kind_analysis")                                                                         \
    X(KindCalibration, "kind_calibration")                                                                   \
    X(ColumnNumber, "column_number")                                                                         \
    X(ColumnComponent, "column_component")                                                                   \
    X(ColumnPeak, "column_peak")                                                                             \
    X(ColumnOxygenAtoms, "column_oxygen_atoms")                                                              \
    X(ColumnMass, "column_mass")                                                                             \
    X(ColumnMassPercent, "column_mass_percent")                                                              \
    X(ColumnDelta, "column_delta")                                                                           \
    X(ColumnVolume, "column_volume")                                                                         \
    X(ColumnVolumePercent, "column_volume_percent")                                                          \
    X(ColumnMassFraction, "column_mass_fraction")                                                            \
    X(ColumnVolumeFraction, "column_volume_fraction")                                                        \
    X(ColumnOxygen, "column_oxygen")                                                                         \
    X(ColumnNote, "column_note")                                                                             \
    X(TotalOxygenCaption, "total_oxygen_caption")                                                            \
    X(DecisionRuleSimple, "decision_rule_simple")                                                            \
    X(DecisionRuleIso4259, "decision_rule_iso_4259")                                                         \
    X(DecisionRuleIlacG8, "decision_rule_ilac_g8")                                                           \
    X(DecisionRuleUnknown, "decision_rule_unknown")                                                          \
    X(DecisionRuleNoticeIso4259, "decision_rule_notice_iso_4259")                                            \
    X(DecisionRuleNoticeIlacG8, "decision_rule_notice_ilac_g8")                                              \
    X(DecisionRuleNoticeUnknown, "decision_rule_notice_unknown")                                             \
    X(Absent, "absent")                                                                                      \
    /* Signatures */                                                                                         \
    X(SignatureStatementUnreadable, "signature_statement_unreadable")                                        \
    X(SignatureKeyFileUnreadable, "signature_key_file_unreadable") /* path */                                \
    X(SignatureKeyFileNotPkcs12, "signature_key_file_not_pkcs12")  /* path, why */                           \
    X(SignatureWrongPassword, "signature_wrong_password")          /* path, why */                           \
    X(SignatureNoCertificate, "signature_no_certificate")          /* path, why */                           \
    X(SignatureNoPrivateKey, "signature_no_private_key")           /* certificate, why */                    \
    X(SignatureNoStore, "signature_no_store")                                                                \
    X(SignatureUseStore, "signature_use_store")                                                              \
    X(SignatureCertificateNotFound, "signature_certificate_not_found")        /* which */                    \
    X(SignatureCertificateNotValidNow, "signature_certificate_not_valid_now") /* name, from, to */           \
    X(SignatureNotMade, "signature_not_made")                                 /* why */                      \
    X(SignatureDamaged, "signature_damaged")                                  /* why */                      \
    X(SignatureNotOverContent, "signature_not_over_content")                  /* why */                      \
    X(SignatureNoTrustFolder, "signature_no_trust_folder")                                                   \
    X(SignatureNoTrustedCertificates, "signature_no_trusted_certificates")      /* folder */                 \
    X(SignatureCertificateNotValidThen, "signature_certificate_not_valid_then") /* name, at, from, to */     \
    X(SignatureNotTrusted, "signature_not_trusted")                             /* issuer, why */            \
    X(SignatureMeaningNotAsked, "signature_meaning_not_asked")                  /* meaning */                \
    X(SignatureAlreadyMade, "signature_already_made")                           /* meaning, signer */        \
    X(SignatureOutOfOrder, "signature_out_of_order")                            /* meaning, earlier */       \
    X(SignatureSamePerson, "signature_same_person")                             /* meaning, preparer */      \
    X(SignatureMeaningPrepared, "signature_meaning_prepared")                                                \
    X(SignatureMeaningReviewed, "signature_meaning_reviewed")                                                \
    X(SignatureMeaningApproved, "signature_meaning_approved")                                                \
    X(SignatureFileMissing, "signature_file_missing")        /* file */                                      \
    X(SignatureOtherReport, "signature_other_report")        /* number */                                    \
    X(SignatureSignerDiffers, "signature_signer_differs")    /* named, certificate */                        \
    X(SignatureFileChanged, "signature_file_changed")        /* file */                                      \
    X(SignatureFileNotCovered, "signature_file_not_covered") /* file */                                      \
    X(SignatureLine, "signature_line")                       /* meaning, signer, moment, issuer, serial */   \
    X(SignatureRefused, "signature_refused")                 /* why */                                       \
    X(SignatureNotIssued, "signature_not_issued")            /* number, register */                          \
    X(SignatureReplaced, "signature_replaced")               /* number, by */                                \
    X(SignatureOfNotice, "signature_of_notice")              /* number */                                    \
    X(SignatureMade, "signature_made")                       /* line, number, page */                        \
    X(VerifySignatureHolds, "verify_signature_holds")        /* line */                                      \
    X(VerifySignatureFails, "verify_signature_fails")        /* line, problems */                            \
    X(VerifySignatureUnread, "verify_signature_unread")      /* file, problems */                            \
    X(RegisterHistorySigned, "register_history_signed") /* place, local, user, number, meaning, signer */    \
    X(RegisterCliSign, "register_cli_sign")                                                                  \
    X(RegisterCliSignatures, "register_cli_signatures") /* given */                                          \
    X(SignUsage, "sign_usage")                                                                               \
    X(SignPassword, "sign_password")                                                                         \
    X(SignNoPasswordVariable, "sign_no_password_variable")                                                   \
    X(VerifyCliTrust, "verify_cli_trust")                                                                    \
    /* A chart's names */                                                                                    \
    X(QcChartTitle, "qc_chart_title") /* sample, measure */                                                  \
    X(QcMeasure, "qc_measure")        /* component, quantity */                                              \
    X(QcQuoted, "qc_quoted")          /* title */                                                            \
    /* Establishing control limits */                                                                        \
    X(EstablishTooFewInBaseline, "establish_too_few_in_baseline") /* count, least */                         \
    X(EstablishTooFewOnChart, "establish_too_few_on_chart")       /* count, least */                         \
    X(EstablishOutlier, "establish_outlier")                      /* moment, value, lower, upper */          \
    X(EstablishNoSpread, "establish_no_spread")                                                              \
    /* A batch's series */                                                                                   \
    X(BatchNoDensity, "batch_no_density")                                                                    \
    X(BatchDensityNotPetrol, "batch_density_not_petrol") /* text */                                          \
    X(BatchTwoDensities, "batch_two_densities")                                                              \
    X(BatchNoUsableMass, "batch_no_usable_mass")                                                             \
    X(BatchChromatogramNotLoaded, "batch_chromatogram_not_loaded")        /* id */                           \
    X(BatchChromatogramNotLoadedWhy, "batch_chromatogram_not_loaded_why") /* id, why */                      \
    X(BatchReportIsInput, "batch_report_is_input")                                                           \
    X(BatchForeignFile, "batch_foreign_file") /* file */                                                     \
    X(BatchReportNotWritten, "batch_report_not_written")                                                     \
    X(BatchQcNote, "batch_qc_note")        /* measure, value, outcome */                                     \
    X(BatchQcNoteWhy, "batch_qc_note_why") /* measure, value, outcome, why */                                \
    X(BatchQcNoResult, "batch_qc_no_result")                                                                 \
    X(QcSampleAnalysedOnce, "qc_sample_analysed_once") /* sample, moment */                                  \
    X(QcNoneJudged, "qc_none_judged")                                                                        \
    X(RangeAll, "range_all")                                                                                 \
    X(RangeFrom, "range_from")      /* from */                                                               \
    X(RangeTo, "range_to")          /* to */                                                                 \
    X(RangeFromTo, "range_from_to") /* from, to */                                                           \
    /* The command line: its errors of use */                                                                \
    X(CliUsage, "cli_usage")                                                                                 \
    X(CliUsageError, "cli_usage_error")       /* error */                                                    \
    X(CliError, "cli_error")                  /* text */                                                     \
    X(CliDatabaseError, "cli_database_error") /* why */                                                      \
    X(CliDocumentError, "cli_document_error") /* why */                                                      \
    X(CliNotAnId, "cli_not_an_id")            /* text */                                                     \
    X(CliNotALanguage, "cli_not_a_language")  /* text, keys */                                               \
    X(CliOr, "cli_or")                        /* some, last */                                               \
    X(CliNoDatabase, "cli_no_database")                                                                      \
    X(CliNoComponents, "cli_no_components")                                                                  \
    X(CliNoAssay, "cli_no_assay")                                                                            \
    X(CliTickAndTickAll, "cli_tick_and_tick_all")                                                            \
    X(CliXslWithoutHtml, "cli_xsl_without_html")                                                             \
    X(CliTickNotAssay, "cli_tick_not_assay") /* id */                                                        \
    X(CliGivenTwice, "cli_given_twice")      /* option */                                                    \
    X(CliBaselineNeedsDates, "cli_baseline_needs_dates")                                                     \
    X(CliBaselineNotDates, "cli_baseline_not_dates") /* from, to */                                          \
    X(CliBaselineReversed, "cli_baseline_reversed")                                                          \
    X(CliBaselineWithoutEstablish, "cli_baseline_without_establish")                                         \
    X(CliReasonWithoutEstablish, "cli_reason_without_establish")                                             \
    X(CliEstablishNeedsReason, "cli_establish_needs_reason")                                                 \
    X(CliUnknownOption, "cli_unknown_option") /* option */                                                   \
    X(CliNoValue, "cli_no_value")             /* option */                                                   \
    X(CliNotGiven, "cli_not_given")           /* what, option */                                             \
    X(CliNotADate, "cli_not_a_date")          /* option, text */                                             \
    X(CliStandardEmpty, "cli_standard_empty")                                                                \
    X(CliNotHours, "cli_not_hours")              /* text */                                                  \
    X(CliNotSeconds, "cli_not_seconds")          /* text */                                                  \
    X(CliHistoryOneFile, "cli_history_one_file") /* option */                                                \
    X(CliReasonEmpty, "cli_reason_empty")                                                                    \
    X(CliNotAnEntry, "cli_not_an_entry") /* text */                                                          \
    X(CliHistoryNeedsFile, "cli_history_needs_file")                                                         \
    X(CliEntryWithoutReason, "cli_entry_without_reason")                                                     \
    X(CliVerifyOneFile, "cli_verify_one_file")                                                               \
    X(CliExpectedCommand, "cli_expected_command")                                                            \
    X(CliDensityNotANumber, "cli_density_not_a_number") /* text */                                           \
    /* The command line: the files it is given */                                                            \
    X(WhatDatabase, "what_database")                                                                         \
    X(WhatComponentsFile, "what_components_file")                                                            \
    X(WhatDensitiesFile, "what_densities_file")                                                              \
    X(WhatStylesheet, "what_stylesheet")                                                                     \
    X(WhatIndexStylesheet, "what_index_stylesheet")                                                          \
    X(WhatChartStylesheet, "what_chart_stylesheet")                                                          \
    X(WhatStandard, "what_standard")                                                                         \
    X(WhatOutFolder, "what_out_folder")                                                                      \
    X(CliCannotRead, "cli_cannot_read")                          /* what, path, why */                       \
    X(CliComponentsNotExclusive, "cli_components_not_exclusive") /* path */                                  \
    X(CliNoLimitsFile, "cli_no_limits_file")                     /* path */                                  \
    X(CliOutputIsLog, "cli_output_is_log")                       /* path */                                  \
    X(CliOutputIsInput, "cli_output_is_input")                   /* path, input */                           \
    X(CliOutputTwice, "cli_output_twice")                        /* path */                                  \
    X(CliLogUnwritable, "cli_log_unwritable")                    /* path */                                  \
    X(CliNotReplaceable, "cli_not_replaceable")                  /* path, kind */                            \
    X(KindReportDocument, "kind_report_document")                                                            \
    X(KindReportPage, "kind_report_page")                                                                    \
    X(KindReportJson, "kind_report_json")                                                                    \
    X(KindReportCsv, "kind_report_csv")                                                                      \
    /* The command line: report */                                                                           \
    X(CliNoMassRefused, "cli_no_mass_refused")  /* id */                                                     \
    X(CliNoMassLeftOut, "cli_no_mass_left_out") /* id */                                                     \
    X(CliNothingTicked, "cli_nothing_ticked")                                                                \
    X(CliWarning, "cli_warning") /* text */                                                                  \
    X(CliComponentsNotRead, "cli_components_not_read")                                                       \
    X(CliComponentsEmpty, "cli_components_empty")                                                            \
    X(CliLimitsError, "cli_limits_error")                              /* error */                           \
    X(CliComponentsNotReadOrEmpty, "cli_components_not_read_or_empty") /* path */                            \
    X(CliTotalOxygenLine, "cli_total_oxygen_line")                     /* value */                           \
    X(CliTotalOxygenNoResult, "cli_total_oxygen_no_result")            /* value, note */                     \
    X(CliLimitsHeading, "cli_limits_heading")                                                                \
    X(CliVerdictLine, "cli_verdict_line")              /* limit, measured, quantity, maximum, verdict */     \
    X(CliGuardBand, "cli_guard_band")                  /* R, w, acceptance limit */                          \
    X(LoadNotInDatabase, "load_not_in_database")       /* id */                                              \
    X(LoadNotLoadedSkipped, "load_not_loaded_skipped") /* id */                                              \
    X(LoadNotLoadedWhySkipped, "load_not_loaded_why_skipped") /* id, why */                                  \
    /* The command line: batch */                                                                            \
    X(BatchRecordNotAdded, "batch_record_not_added")            /* file, record */                           \
    X(BatchCutShortPlaced, "batch_cut_short_placed")            /* series */                                 \
    X(BatchCutShortRewritten, "batch_cut_short_rewritten")      /* series */                                 \
    X(BatchFolderTakenReports, "batch_folder_taken_reports")    /* folder */                                 \
    X(BatchCommitNotRecorded, "batch_commit_not_recorded")      /* record */                                 \
    X(BatchProgress, "batch_progress")                          /* number, count, sample, moment, outcome */ \
    X(BatchProgressOxygen, "batch_progress_oxygen")             /* determinations, oxygen */                 \
    X(BatchProgressUndetermined, "batch_progress_undetermined") /* determinations, why */                    \
    X(BatchPreviousNotKept, "batch_previous_not_kept")          /* page, why */                              \
    X(CliQcFileError, "cli_qc_file_error")                      /* error */                                  \
    X(CliQcFileLine, "cli_qc_file_line")                        /* row, why */                               \
    X(BatchLockBeingWritten, "batch_lock_being_written")        /* file */                                   \
    X(BatchLockHeldBy, "batch_lock_held_by")                    /* who, process, since */                    \
    X(BatchFolderBusyWaiting, "batch_folder_busy_waiting")      /* folder, holder, seconds */                \
    X(BatchFolderNotLocked, "batch_folder_not_locked")          /* folder, file, why */                      \
    X(BatchFolderBusy, "batch_folder_busy")                     /* folder, holder */                         \
    X(BatchFolderBusyElsewhere, "batch_folder_busy_elsewhere")  /* file */                                   \
    X(BatchFolderNotMade, "batch_folder_not_made")              /* folder, why */                            \
    X(CliFromAfterTo, "cli_from_after_to")                                                                   \
    X(BatchFolderTakenIndex, "batch_folder_taken_index") /* folder */                                        \
    X(BatchNoAnalyses, "batch_no_analyses")                                                                  \
    X(BatchIndexNotCreated, "batch_index_not_created")                                                       \
    X(QcLogUnwritable, "qc_log_unwritable")            /* path */                                            \
    X(QcFileChangedOutside, "qc_file_changed_outside") /* path */                                            \
    X(QcLogNotTrusted, "qc_log_not_trusted")           /* path, why */                                       \
    /* The command line: qc */                                                                               \
    X(QcSummary, "qc_summary") /* number, chart, results, failed, undetermined, unjudged, limits */          \
    X(QcSummaryEstablished, "qc_summary_established")                        /* moment, count */             \
    X(QcSummaryEstablishedProvisional, "qc_summary_established_provisional") /* moment, count */             \
    X(QcSummaryNone, "qc_summary_none")                                      /* why */                       \
    X(QcSummaryProvisional, "qc_summary_provisional")                        /* count */                     \
    X(QcLimitsLine, "qc_limits_line") /* centre, lower, upper, MR mean, MR limit, quantity */                \
    X(QcLimitsLineAccepted,                                                                                  \
      "qc_limits_line_accepted") /* centre, lower, upper, MR mean, MR limit, quantity */                     \
    X(QcDocumentNotCreated, "qc_document_not_created")                                                       \
    X(QcNotEstablished, "qc_not_established")               /* number, chart, why */                         \
    X(QcNotEstablishedKept, "qc_not_established_kept")      /* number, chart, why, moment */                 \
    X(QcLimitsNotRecorded, "qc_limits_not_recorded")        /* file, why */                                  \
    X(QcLimitsNotLoggedAfter, "qc_limits_not_logged_after") /* file */                                       \
    X(QcEstablishedLine, "qc_established_line")             /* number, chart, count, from, to, limits */     \
    X(QcNoQcFile, "qc_no_qc_file")                          /* path */                                       \
    X(QcNotAllEstablished, "qc_not_all_established")                                                         \
    X(QcNoSeries, "qc_no_series")                                                                            \
    X(QcFileUnreadable, "qc_file_unreadable")                                                                \
    X(QcFileChangedSinceRead, "qc_file_changed_since_read")                                                  \
    X(QcFileWouldReadAsUtf8, "qc_file_would_read_as_utf8")                                                   \
    X(QcFileUnrepresentable, "qc_file_unrepresentable") /* text */                                           \
    X(QcTemporaryNotMade, "qc_temporary_not_made")      /* why */                                            \
    X(QcTemporaryNotWritten, "qc_temporary_not_written")                                                     \
    X(QcFileNotReplaced, "qc_file_not_replaced")                                                             \
    /* The command line: verify */                                                                           \
    X(VerifyInputsHeading, "verify_inputs_heading")                                                          \
    X(VerifyInputsMatch, "verify_inputs_match")                                                              \
    X(VerifyRebuiltHeading, "verify_rebuilt_heading")                                                        \
    X(VerifyRebuiltMatches, "verify_rebuilt_matches")                                                        \
    X(VerifyDifference, "verify_difference") /* where, recorded, present */                                  \
    X(VerifyNotRead, "verify_not_read")                                                                      \
    X(VerifyFileGone, "verify_file_gone")              /* what, file */                                      \
    X(VerifyFileChanged, "verify_file_changed")        /* what, file, was, now */                            \
    X(VerifyLogNotAnchored, "verify_log_not_anchored") /* what, log */                                       \
    X(VerifyLogBroken, "verify_log_broken")            /* what, log, why */                                  \
    X(OfComponentsTable, "of_components_table")                                                              \
    X(OfLimitsFile, "of_limits_file")                                                                        \
    X(OfQcFile, "of_qc_file")                                                                                \
    X(WhatChromatogramFile, "what_chromatogram_file")                                                        \
    X(WhatLimitsFile, "what_limits_file")                                                                    \
    X(WhatQcFile, "what_qc_file")                                                                            \
    X(WhatDensitiesFileShort, "what_densities_file_short")                                                   \
    X(VerifyUnverifiable, "verify_unverifiable")              /* why */                                      \
    X(VerifyNoQcFile, "verify_no_qc_file")                    /* file */                                     \
    X(VerifyQcFileNotNamed, "verify_qc_file_not_named")       /* file */                                     \
    X(VerifyNoFirstAnalysis, "verify_no_first_analysis")      /* id */                                       \
    X(VerifyNoDensity, "verify_no_density")                   /* sample */                                   \
    X(VerifyNoDatabase, "verify_no_database")                 /* file */                                     \
    X(VerifyDatabaseUnreadable, "verify_database_unreadable") /* file, why */                                \
    X(ReportUnreadable, "report_unreadable")                  /* file */                                     \
    X(ReportLacks, "report_lacks")                            /* place */                                    \
    X(ReportWrongKind, "report_wrong_kind")                   /* place, kind */                              \
    X(ReportOutOfRange, "report_out_of_range")                /* place */                                    \
    X(KindObject, "kind_object")                                                                             \
    X(KindString, "kind_string")                                                                             \
    X(KindNumber, "kind_number")                                                                             \
    X(KindInteger, "kind_integer")                                                                           \
    X(KindBoolean, "kind_boolean")                                                                           \
    X(KindArray, "kind_array")                                                                               \
    X(KindSha256, "kind_sha256")                                                                             \
    X(KindEntryCount, "kind_entry_count")                                                                    \
    X(KindMaker, "kind_maker")                                                                               \
    X(KindUtcTime, "kind_utc_time")                                                                          \
    X(KindEitherOf, "kind_either_of") /* some, last */                                                       \
    X(ReportNotJson, "report_not_json")                                                                      \
    X(ReportNotOxycalc, "report_not_oxycalc")                                                                \
    X(ReportOtherVersion, "report_other_version") /* version, checked */                                     \
    X(ReportOlderVersion, "report_older_version") /* version, checked */                                     \
    X(ReportNotXml, "report_not_xml")                                                                        \
    X(ReportChromatogramTwice, "report_chromatogram_twice") /* id */                                         \
    X(ReportKeyTwice, "report_key_twice")                   /* key, where */                                 \
    X(ReportTooDeep, "report_too_deep")                     /* levels, where */                              \
    X(ReportWhole, "report_whole")                                                                           \
    X(ReportDocumentWhole, "report_document_whole")                                                          \
    X(ReportXmlComment, "report_xml_comment")                                                                \
    X(ReportXmlInstruction, "report_xml_instruction")                                                        \
    X(ReportXmlCdata, "report_xml_cdata")                                                                    \
    X(ReportXmlDoctype, "report_xml_doctype")                                                                \
    X(ReportXmlDeclarationLate, "report_xml_declaration_late")                                               \
    X(ReportXmlForeign, "report_xml_foreign")     /* what, where */                                          \
    X(ReportXmlAttribute, "report_xml_attribute") /* element, attribute */                                   \
    X(ReportXmlTooDeep, "report_xml_too_deep")    /* levels */                                               \
    /* The command line: history */                                                                          \
    X(HistoryNoLog, "history_no_log")                                     /* log */                          \
    X(HistoryLogBroken, "history_log_broken")                             /* entry, why */                   \
    X(HistoryLogIntact, "history_log_intact")                             /* entries */                      \
    X(HistorySavesWithoutReason, "history_saves_without_reason")          /* entries */                      \
    X(HistoryUnanchored, "history_unanchored")                            /* entry, moment */                \
    X(HistoryNoLogFile, "history_no_log_file")                            /* log */                          \
    X(HistoryReasonNotWrittenBroken, "history_reason_not_written_broken") /* entry, why */                   \
    X(HistoryNotASave, "history_not_a_save")                              /* entry */                        \
    X(HistoryNoSuchEntry, "history_no_such_entry")                        /* entry */                        \
    X(HistoryNoSave, "history_no_save")                                                                      \
    X(HistoryLogNotWritten, "history_log_not_written") /* log */                                             \
    X(LogChainStartRemoved, "log_chain_start_removed")                                                       \
    X(LogChainBroken, "log_chain_broken")                                                                    \
    X(LogNumberMisplaced, "log_number_misplaced") /* number */                                               \
    X(LogEmpty, "log_empty")                                                                                 \
    X(LogTableNotLast, "log_table_not_last")                                                                 \
    X(LogTableUnreadable, "log_table_unreadable")                                                            \
    X(LogVersionMissing, "log_version_missing") /* sha */                                                    \
    X(LogVersionAltered, "log_version_altered") /* sha */                                                    \
    X(LogChangesDiffer, "log_changes_differ")                                                                \
    X(LogShortened, "log_shortened") /* entries, anchored */                                                 \
    X(LogRewritten, "log_rewritten") /* entry */                                                             \
    /* A change log's entries as the program writes them (in Russian, the log's language) and prints them */ \
    X(LogEntryNumber, "log_entry_number")     /* number */                                                   \
    X(LogEntryLocal, "log_entry_local")       /* moment */                                                   \
    X(LogEntryUser, "log_entry_user")         /* user */                                                     \
    X(LogEntryProgram, "log_entry_program")   /* program */                                                  \
    X(LogEntryEvent, "log_entry_event")       /* event */                                                    \
    X(LogEntryExplains, "log_entry_explains") /* entry */                                                    \
    X(LogEntryReason, "log_entry_reason")     /* reason */                                                   \
    X(LogEntryChanges, "log_entry_changes")                                                                  \
    X(LogEntryNotes, "log_entry_notes")                                                                      \
    X(LogEntryFile, "log_entry_file")         /* sha */                                                      \
    X(LogEntryPrevious, "log_entry_previous") /* sha */                                                      \
    X(LogEventStarted, "log_event_started")                                                                  \
    X(LogEventStartedAnew, "log_event_started_anew")                                                         \
    X(LogEventSaved, "log_event_saved")                                                                      \
    X(LogEventChangedOutside, "log_event_changed_outside")                                                   \
    X(LogEventLimitsEstablished, "log_event_limits_established")                                             \
    X(LogEventNewDefault, "log_event_new_default") /* file */                                                \
    X(LogDefaultSha256, "log_default_sha256")      /* sha */                                                 \
    X(LogEventReasonGiven, "log_event_reason_given")                                                         \
    X(LogRowChanged, "log_row_changed")       /* row, field, was, now */                                     \
    X(LogFieldNumber, "log_field_number")     /* number */                                                   \
    X(LogHeaderChanged, "log_header_changed") /* was, now */                                                 \
    X(LogRowAdded, "log_row_added")           /* row, fields */                                              \
    X(LogRowRemoved, "log_row_removed")       /* row, fields */                                              \
    X(LogVersionSeenBefore, "log_version_seen_before")                                                       \
    X(LogPreviousNotKept, "log_previous_not_kept")                                                           \
    X(LogBegunAnew, "log_begun_anew")                                                                        \
    X(LogReasonFor, "log_reason_for")                  /* entry, event, moment, user */                      \
    X(LogLimitsChange, "log_limits_change")            /* chart, row, changes */                             \
    X(LogCentreLineChange, "log_centre_line_change")   /* was, now */                                        \
    X(LogMovingRangeChange, "log_moving_range_change") /* was, now */                                        \
    X(Log3SigmaChange, "log_3sigma_change")            /* was, now */                                        \
    X(LogBaselineChange, "log_baseline_change")        /* was, now */                                        \
    X(LogBaselineResults, "log_baseline_results")      /* count, from, to */                                 \
    /* The register of issued reports */                                                                     \
    X(PatternLength, "pattern_length")                                                                       \
    X(PatternCharacter, "pattern_character")                                                                 \
    X(PatternBrace, "pattern_brace")                                                                         \
    X(PatternCounter, "pattern_counter")                                                                     \
    X(RegisterNotAnEntry, "register_not_an_entry")                                                           \
    X(RegisterChainBroken, "register_chain_broken")                                                          \
    X(RegisterOutOfPlace, "register_out_of_place")                                                           \
    X(RegisterNotBegun, "register_not_begun")                                                                \
    X(RegisterBegunTwice, "register_begun_twice")                                                            \
    X(RegisterCounterOutOfTurn, "register_counter_out_of_turn")                                              \
    X(RegisterUnreadable, "register_unreadable")                                                             \
    X(RegisterEmpty, "register_empty")                                                                       \
    X(RegisterBroken, "register_broken")                                                                     \
    X(RegisterMissing, "register_missing")                                                                   \
    X(RegisterLockFailed, "register_lock_failed")                                                            \
    X(RegisterBusyMaking, "register_busy_making")                                                            \
    X(RegisterBusy, "register_busy")                                                                         \
    X(RegisterBusyElsewhere, "register_busy_elsewhere")                                                      \
    X(RegisterLockLost, "register_lock_lost")                                                                \
    X(RegisterFolderNotMade, "register_folder_not_made")                                                     \
    X(RegisterFileNotStaged, "register_file_not_staged")                                                     \
    X(RegisterNotAppended, "register_not_appended")                                                          \
    X(RegisterFileNotPlaced, "register_file_not_placed")                                                     \
    X(RegisterFileChanged, "register_file_changed")                                                          \
    X(RegisterFileMissing, "register_file_missing")                                                          \
    X(RegisterCompleted, "register_completed")                                                               \
    X(RegisterTailCut, "register_tail_cut")                                                                  \
    X(RegisterTailNotCut, "register_tail_not_cut")                                                           \
    X(RegisterNumberUnknown, "register_number_unknown")                                                      \
    X(RegisterNumberIsNotice, "register_number_is_notice")                                                   \
    X(RegisterNumberAmended, "register_number_amended")                                                      \
    X(RegisterNumberWithdrawn, "register_number_withdrawn")                                                  \
    X(RegisterNumberUsed, "register_number_used")                                                            \
    X(RegisterExists, "register_exists")                                                                     \
    X(RegisterNotCreated, "register_not_created")                                                            \
    X(RegisterStarted, "register_started")                                                                   \
    X(RegisterDraftIssued, "register_draft_issued")                                                          \
    X(RegisterSeriesIssued, "register_series_issued")                                                        \
    X(RegisterOtherSample, "register_other_sample")                                                          \
    X(RegisterExportUnread, "register_export_unread")                                                        \
    X(RegisterOff, "register_off")                                                                           \
    X(RegisterBesideAlready, "register_beside_already")                                                      \
    X(RegisterLinkNotWritten, "register_link_not_written")                                                   \
    X(RegisterLinked, "register_linked")                                                                     \
    X(RegisterCliBadPattern, "register_cli_bad_pattern")                                                     \
    X(RegisterCliNoValue, "register_cli_no_value")                                                           \
    X(RegisterCliTwice, "register_cli_twice")                                                                \
    X(RegisterCliUnknown, "register_cli_unknown")                                                            \
    X(RegisterCliStartOrUse, "register_cli_start_or_use")                                                    \
    X(RegisterCliDraft, "register_cli_draft")                                                                \
    X(RegisterCliAmend, "register_cli_amend")                                                                \
    X(RegisterCliReason, "register_cli_reason")                                                              \
    X(RegisterCliFirst, "register_cli_first")                                                                \
    X(RegisterCliLanguage, "register_cli_language")                                                          \
    X(RegisterCliRegisterWithIssue, "register_cli_register_with_issue")                                      \
    X(RegisterCliHistoryReason, "register_cli_history_reason")                                               \
    X(RegisterNotADraft, "register_not_a_draft")                                                             \
    X(RegisterDraftNotVerified, "register_draft_not_verified")                                               \
    X(RegisterStylesheetWhat, "register_stylesheet_what")                                                    \
    X(RegisterIssuedLine, "register_issued_line")                                                            \
    X(RegisterAmendedLine, "register_amended_line")                                                          \
    X(RegisterWithdrawnLine, "register_withdrawn_line")                                                      \
    X(RegisterPlaceNotOutput, "register_place_not_output")                                                   \
    X(RegisterIssuedNotReplaced, "register_issued_not_replaced")                                             \
    X(RegisterHistoryStarted, "register_history_started")                                                    \
    X(RegisterHistoryIssued, "register_history_issued")                                                      \
    X(RegisterHistoryAmended, "register_history_amended")                                                    \
    X(RegisterHistoryWithdrawn, "register_history_withdrawn")                                                \
    X(RegisterHistoryOther, "register_history_other")                                                        \
    X(RegisterHistoryFileGone, "register_history_file_gone")                                                 \
    X(RegisterHistoryHolds, "register_history_holds")                                                        \
    X(RegisterHistoryLast, "register_history_last")                                                          \
    X(VerifyRegisterTitle, "verify_register_title")                                                          \
    X(VerifyDraft, "verify_draft")                                                                           \
    X(VerifyRegistered, "verify_registered")                                                                 \
    X(VerifyStandingExport, "verify_standing_export")                                                        \
    X(VerifyNotIssuedFile, "verify_not_issued_file")                                                         \
    X(VerifyAnchorBroken, "verify_anchor_broken")                                                            \
    X(VerifyAmended, "verify_amended")                                                                       \
    X(VerifyWithdrawn, "verify_withdrawn")                                                                   \
    X(VerifyInForce, "verify_in_force")                                                                      \
    X(VerifyNotInRegister, "verify_not_in_register")                                                         \
    X(VerifyRegisterUnavailable, "verify_register_unavailable") /* register */                               \
    X(VerifyNotice, "verify_notice")                                                                         \
    X(VerifyNoticeUnread, "verify_notice_unread") /* file */                                                 \
    X(BatchIssued, "batch_issued")                /* number */                                               \
    X(BatchIssuedBefore, "batch_issued_before")   /* number */                                               \
    X(BatchNotIssued, "batch_not_issued")         /* why */                                                  \
    X(PluginIssueQuestion, "plugin_issue_question")                                                          \
    X(PluginIssued, "plugin_issued") /* number, folder */                                                    \
    X(PluginSignMenu, "plugin_sign_menu")                                                                    \
    X(PluginSignQuestion, "plugin_sign_question") /* number, meaning */                                      \
    X(PluginSignChooseReport, "plugin_sign_choose_report")                                                   \
    X(PluginSignReportFilter, "plugin_sign_report_filter")                                                   \
    X(PluginSignNoReport, "plugin_sign_no_report") /* file, register */                                      \
    X(PluginSignAllMade, "plugin_sign_all_made")   /* number, meanings */                                    \
    X(PluginCertificateTitle, "plugin_certificate_title")                                                    \
    X(PluginCertificatePrompt, "plugin_certificate_prompt") /* number, meaning */                            \
    X(PluginCertificateNone, "plugin_certificate_none")                                                      \
    X(PluginCertificateChooserMissing, "plugin_certificate_chooser_missing") /* why */                       \
    X(PluginSigned, "plugin_signed")                                         /* line, number, page */        \
    X(RegisterUsage, "register_usage")

enum class MessageCode : uint16_t {
#define OXY_MESSAGE_ENUM(name, key) name,
    OXY_MESSAGE_CODES(OXY_MESSAGE_ENUM)
#undef OXY_MESSAGE_ENUM
        Count
};

// The code's key: "standard_not_found", …
const char* MessageKey(MessageCode code);
