<?xml version="1.0" encoding="UTF-8"?>
<!--
  The words of the pages in English: the batch's index page (batch.*) and the control charts (qc.*). Each
  language's file names the same variables; the pages' structure is in BatchIndexPage.xsl and
  QcChartPage.xsl. A text that must keep a blank at its end holds it inside the quotes.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">

  <xsl:variable name="batch.page-title" select="'Batch calculation: oxygenates, GOST EN 13132-2012'"/>
  <xsl:variable name="batch.page-heading" select="'Batch calculation of organic oxygenates (GOST EN 13132-2012)'"/>
  <xsl:variable name="batch.range" select="'Series begun on the dates: '"/>
  <xsl:variable name="batch.limits-file" select="'The limits file '"/>
  <xsl:variable name="batch.limits-unread" select="' holds lines that were not read: the verdicts are incomplete.'"/>
  <xsl:variable name="batch.column-number" select="'No.'"/>
  <xsl:variable name="batch.column-sample" select="'Sample'"/>
  <xsl:variable name="batch.column-series" select="'Series of analyses'"/>
  <xsl:variable name="batch.column-determinations" select="'Determinations'"/>
  <xsl:variable name="batch.column-oxygen" select="'Oxygen, % by mass'"/>
  <xsl:variable name="batch.column-limits" select="'Limits'"/>
  <xsl:variable name="batch.column-warnings" select="'Warnings'"/>
  <xsl:variable name="batch.column-report" select="'Report'"/>
  <xsl:variable name="batch.no-analyses" select="'No analyses in the dates chosen.'"/>
  <xsl:variable name="batch.foot" select="'A series: the analyses of one sample made one after another; determinations: its chromatograms that give a sample mass. '"/>
  <xsl:variable name="batch.limits-from" select="'Limits from the file '"/>
  <xsl:variable name="batch.calculated-by" select="'Calculated by '"/>
  <xsl:variable name="batch.different-days" select="'different days'"/>
  <xsl:variable name="batch.after-range" select="'after the end of the dates: '"/>
  <xsl:variable name="batch.analyses-short" select="' an.'"/>
  <xsl:variable name="batch.of" select="' of '"/>
  <xsl:variable name="batch.exceeded-r" select="'the spread of the parallel determinations exceeds r: '"/>
  <xsl:variable name="batch.conforms" select="'conforms'"/>
  <xsl:variable name="batch.exceeds" select="'exceeds: '"/>
  <xsl:variable name="batch.undetermined" select="'undetermined: '"/>
  <xsl:variable name="batch.limits-partly-read" select="'the limits file was not read whole'"/>

  <xsl:variable name="qc.page-title" select="'Control charts: oxygenates, GOST EN 13132-2012'"/>
  <xsl:variable name="qc.page-heading" select="'Control charts: determination of oxygenates (GOST EN 13132-2012)'"/>
  <xsl:variable name="qc.range" select="'Series of check samples begun on the dates: '"/>
  <xsl:variable name="qc.made" select="'. Made '"/>
  <xsl:variable name="qc.calculated-by" select="'Calculated by '"/>
  <xsl:variable name="qc.heading" select="'Quality control'"/>
  <xsl:variable name="qc.file" select="'QC file: '"/>
  <xsl:variable name="qc.unread-lines" select="'Lines of the QC file that were not read (no chart is drawn for them):'"/>
  <xsl:variable name="qc.none-judged" select="'No QC result here was judged: there are no limits (too few earlier results, or no spread) and no tolerance. Quality control confirms nothing.'"/>
  <xsl:variable name="qc.legend" select="'Lines: solid green — centre line; red dashes — 3σ limits; grey dots — 1σ and 2σ; orange dash-dots — tolerance. Tinted ground — the baseline. Figures by a point — the rules it breaks: 1 — beyond a 3σ limit; 2 — 2 of 3 in a row beyond 2σ on one side; 3 — 4 of 5 in a row beyond 1σ on one side; 4 — 8 in a row on one side of the centre line; 5 — moving range above its limit; T — outside the tolerance. Hollow circle — a result not used (what it rests on is undetermined); on the moving range chart — a range above the limit on the return from a point that broke a rule: it is counted to that point, not to rule 5. ▲ or ▼ at the edge — a value beyond the chart’s scale (it is in the tip and in the table). × — no result.'"/>
  <xsl:variable name="qc.chart" select="'Chart '"/>
  <xsl:variable name="qc.plotted-minus-accepted" select="'Plotted: result − accepted value '"/>
  <xsl:variable name="qc.tolerance" select="'; tolerance ±'"/>
  <xsl:variable name="qc.plotted-result" select="'Plotted: the result, '"/>
  <xsl:variable name="qc.results" select="'Results: '"/>
  <xsl:variable name="qc.failed" select="'; failed: '"/>
  <xsl:variable name="qc.undetermined" select="'; undetermined: '"/>
  <xsl:variable name="qc.individuals" select="'Individual values (I)'"/>
  <xsl:variable name="qc.moving-range" select="'Moving range (MR) between neighbouring used results'"/>
  <xsl:variable name="qc.no-results" select="'No result of the check sample in the dates chosen.'"/>
  <xsl:variable name="qc.established" select="'Limits established '"/>
  <xsl:variable name="qc.reason" select="' (reason: '"/>
  <xsl:variable name="qc.by" select="') from '"/>
  <xsl:variable name="qc.baseline-results" select="' results of the baseline: '"/>
  <xsl:variable name="qc.centre-line-capital" select="'. Centre line '"/>
  <xsl:variable name="qc.limits-3s" select="'; limits (3σ) '"/>
  <xsl:variable name="qc.sigma" select="'; σ '"/>
  <xsl:variable name="qc.mr-mean" select="'; mean moving range '"/>
  <xsl:variable name="qc.mr-limit" select="', its limit '"/>
  <xsl:variable name="qc.provisional-few" select="'&#160;The limits are provisional: fewer than 20 results in the baseline.'"/>
  <xsl:variable name="qc.provisional-before" select="'&#160;The results before the end of the baseline ('"/>
  <xsl:variable name="qc.provisional-here" select="' here) were judged by provisional limits from the results made before them.'"/>
  <xsl:variable name="qc.not-established" select="'No limits are established (oxycalc-cli qc --establish): each result was judged by provisional limits from the results of this chart in the database made before it (the first 20 used ones, failed ones aside; with fewer than 5 it is not judged).'"/>
  <xsl:variable name="qc.next-centre" select="'&#160;For the next result: centre line '"/>
  <xsl:variable name="qc.from-results" select="'), from '"/>
  <xsl:variable name="qc.results-end" select="' results.'"/>
  <xsl:variable name="qc.next-none" select="'&#160;There are no limits for the next result: '"/>
  <xsl:variable name="qc.tolerance-only" select="'. Results are judged by the tolerance alone, where one is given.'"/>
  <xsl:variable name="qc.cl" select="'CL '"/>
  <xsl:variable name="qc.ucl" select="'UCL '"/>
  <xsl:variable name="qc.lcl" select="'LCL '"/>
  <xsl:variable name="qc.tolerance-mark" select="'T'"/>
  <xsl:variable name="qc.no-result" select="'no result'"/>
  <xsl:variable name="qc.plotted-as" select="' (plotted '"/>
  <xsl:variable name="qc.beyond-scale" select="' (beyond the chart’s scale: drawn at its edge)'"/>
  <xsl:variable name="qc.report" select="' · report '"/>
  <xsl:variable name="qc.mean-mr" select="'mean MR '"/>
  <xsl:variable name="qc.moving-range-of" select="': moving range '"/>
  <xsl:variable name="qc.column-series" select="'Series of the check sample'"/>
  <xsl:variable name="qc.column-result" select="'Result'"/>
  <xsl:variable name="qc.column-plotted" select="'Plotted'"/>
  <xsl:variable name="qc.column-outcome" select="'Outcome'"/>
  <xsl:variable name="qc.column-why" select="'Why'"/>
</xsl:stylesheet>
