<?xml version="1.0" encoding="UTF-8"?>
<!--
  The structure of a batch's index page, its own words left to the variables batch.* (and qc.* for its
  charts) of a words file; the verdicts' words are the document's. BatchIndex.xsl (Russian) and BatchIndex.ENU.xsl (English) are each made of it, the chart
  templates of QcCharts.xsl and a words file when the program is built.

  The index page of a batch: turns the batch's index document (Document: program, range, limits_file,
  limits_errors, series with one row per series of parallel determinations, qc when QC is kept) into one
  XHTML page, printable on A4 landscape. Every problem of a series shows on its row, in red; so does what
  QC says of it. The control charts are drawn by the templates of QcCharts.xsl.
  A lab may restyle it; oxycalc-cli batch takes it from the folder of the report stylesheet.

  As with the report's page, the result is saved from a DOM: it must be well-formed XML with a single root, and
  no element may be left empty (a saved <td/> reads in HTML as a start tag only).
-->
<xsl:stylesheet version="1.0"
                xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
                xmlns="http://www.w3.org/1999/xhtml">

  <xsl:output method="xml" encoding="UTF-8" indent="no" omit-xml-declaration="yes"/>
  <xsl:strip-space elements="*"/>

  <xsl:template match="/">
    <html>
      <head>
        <meta http-equiv="Content-Type" content="text/html; charset=UTF-8"/>
        <title><xsl:value-of select="$batch.page-title"/></title>
        <style type="text/css">
          @page { size: A4 landscape; margin: 12mm; }
          body { font: 10pt/1.35 Arial, "DejaVu Sans", sans-serif; color: #000; }
          @media screen { body { margin: 12mm; } }
          h1 { font-size: 13pt; }
          table { border-collapse: collapse; width: 100%; }
          th, td { border: 0.6pt solid #444; padding: 1mm 2mm; vertical-align: top; text-align: left; }
          th { background: #e6e9ee; }
          thead { display: table-header-group; }
          tr { page-break-inside: avoid; break-inside: avoid; }
          td.num { text-align: right; white-space: nowrap; }
          td.sample { min-width: 40mm; }
          .nowrap { white-space: nowrap; }
          .bad { color: #b00020; }
          .ok { color: #1b5e20; }
          td.conditionally-conforms { background: #fff4c2; }
          td.conditionally-exceeds { background: #ffd9b8; }
          .conditionally-exceeds { color: #8a3a00; font-weight: bold; }
          .warn { font-size: 8.5pt; color: #7a4d00; }
          .note { font-size: 8pt; color: #444; }
          .foot { font-size: 8pt; color: #555; margin-top: 3mm; }
          .range { margin: 0 0 2mm 0; }
          tr.problem td:first-child { border-left: 2.5pt solid #b00020; }
          div.bad { margin: 0 0 2mm 0; }
          td div.bad { margin: 0; }
          .pending { color: #7a4d00; }
          td div.mark { font-size: 8.5pt; }
          <xsl:call-template name="qc-style"/>
        </style>
      </head>
      <body>
        <h1><xsl:value-of select="$batch.page-heading"/></h1>
        <xsl:apply-templates select="Document"/>
      </body>
    </html>
  </xsl:template>

  <xsl:template match="Document">
    <xsl:variable name="withLimits" select="limits_file != ''"/>
    <p class="range"><xsl:value-of select="concat($batch.range, range, '.')"/></p>
    <xsl:if test="limits_errors/error">
      <div class="bad">
        <b><xsl:value-of select="concat($batch.limits-file, limits_file, $batch.limits-unread)"/></b>
        <xsl:for-each select="limits_errors/error"><div><xsl:value-of select="."/></div></xsl:for-each>
      </div>
    </xsl:if>
    <table>
      <thead>
        <tr>
          <th><xsl:value-of select="$batch.column-number"/></th>
          <th><xsl:value-of select="$batch.column-sample"/></th>
          <th><xsl:value-of select="$batch.column-series"/></th>
          <th><xsl:value-of select="$batch.column-determinations"/></th>
          <th><xsl:value-of select="$batch.column-oxygen"/></th>
          <xsl:if test="$withLimits"><th><xsl:value-of select="$batch.column-limits"/></th></xsl:if>
          <th><xsl:value-of select="$batch.column-warnings"/></th>
          <th><xsl:value-of select="$batch.column-report"/></th>
        </tr>
      </thead>
      <tbody>
        <xsl:apply-templates select="series/row">
          <xsl:with-param name="withLimits" select="$withLimits"/>
        </xsl:apply-templates>
        <xsl:if test="not(series/row)">
          <tr>
            <td colspan="{7 + number($withLimits)}"><xsl:value-of select="$batch.no-analyses"/></td>
          </tr>
        </xsl:if>
      </tbody>
    </table>
    <p class="foot">
      <xsl:value-of select="$batch.foot"/>
      <xsl:if test="$withLimits">
        <xsl:value-of select="concat($batch.limits-from, limits_file, '. ')"/>
      </xsl:if>
      <xsl:value-of select="concat($batch.calculated-by, program/name, ' ', program/version, '.')"/>
    </p>
    <xsl:apply-templates select="qc" mode="qc"/>
  </xsl:template>

  <xsl:template match="row">
    <xsl:param name="withLimits"/>
    <tr>
      <xsl:if test="problem = 'да'"><xsl:attribute name="class">problem</xsl:attribute></xsl:if>
      <td class="num"><xsl:value-of select="number"/></td>
      <td class="sample"><xsl:value-of select="sample"/></td>
      <td class="nowrap">
        <xsl:value-of select="first_analysis"/>
        <xsl:if test="last_analysis != first_analysis">
          <br/><xsl:value-of select="last_analysis"/>
        </xsl:if>
        <xsl:if test="different_days = 'да'"><div class="bad"><xsl:value-of select="$batch.different-days"/></div></xsl:if>
        <xsl:if test="after_range &gt; 0">
          <div class="note"><xsl:value-of select="concat($batch.after-range, after_range, $batch.analyses-short)"/></div>
        </xsl:if>
      </td>
      <td class="num"><xsl:value-of select="concat(determinations, $batch.of, analyses)"/></td>
      <xsl:choose>
        <xsl:when test="reason != ''">
          <td colspan="{4 + number($withLimits)}">
            <div class="bad"><xsl:value-of select="reason"/></div>
            <xsl:apply-templates select="notes/note"/>
            <xsl:call-template name="qc-notes"/>
          </td>
        </xsl:when>
        <xsl:otherwise>
          <td class="num">
            <b><xsl:value-of select="total_oxygen"/></b>
            <xsl:if test="total_oxygen_doubt != ''"><div class="bad"><xsl:value-of select="total_oxygen_doubt"/></div></xsl:if>
            <xsl:if test="not($withLimits)"><xsl:call-template name="quality-mark"/></xsl:if>
            <xsl:if test="quality = 'confirmed'"><div class="ok note"><xsl:value-of select="quality_text"/></div></xsl:if>
          </td>
          <xsl:if test="$withLimits"><xsl:apply-templates select="verdicts"/></xsl:if>
          <td class="warn">
            <xsl:for-each select="exceeded_r/component">
              <div class="bad"><xsl:value-of select="concat($batch.exceeded-r, .)"/></div>
            </xsl:for-each>
            <xsl:for-each select="warnings/warning"><div><xsl:value-of select="."/></div></xsl:for-each>
            <xsl:apply-templates select="notes/note"/>
            <xsl:if test="quality = 'in_doubt' or quality = 'undetermined'"><div class="bad"><xsl:value-of select="quality_detail"/></div></xsl:if>
            <xsl:if test="quality = 'not_yet_confirmed'"><div class="pending"><xsl:value-of select="quality_detail"/></div></xsl:if>
            <xsl:call-template name="qc-notes"/>
            <xsl:if test="not(warnings/warning) and not(notes/note) and not(exceeded_r/component) and not(qc_results/result) and not(qc_failures/result) and (quality = '' or quality = 'confirmed')">—</xsl:if>
          </td>
          <td class="nowrap">
            <a href="{base}.html">html</a>
            <xsl:text>&#160;· </xsl:text><a href="{base}.json">json</a>
            <xsl:text>&#160;· </xsl:text><a href="{base}.csv">csv</a>
            <xsl:text>&#160;· </xsl:text><a href="{base}.xml">xml</a>
          </td>
        </xsl:otherwise>
      </xsl:choose>
    </tr>
  </xsl:template>

  <!-- "соответствует" when every limit is met and the limits file read whole; else each group of limits by
       its verdict: those exceeded and not determined (with why) in red, the conditional ones of a rule with a
       guard band on their own tint. -->
  <xsl:template match="verdicts">
    <xsl:variable name="exceeded" select="verdict[outcome_key = 'exceeds']"/>
    <xsl:variable name="undetermined" select="verdict[outcome_key = 'undetermined']"/>
    <xsl:variable name="conditionallyExceeded" select="verdict[outcome_key = 'conditionally_exceeds']"/>
    <xsl:variable name="conditionallyMet" select="verdict[outcome_key = 'conditionally_conforms']"/>
    <xsl:variable name="fileErrors" select="boolean(/Document/limits_errors/error)"/>
    <xsl:variable name="bad" select="$exceeded or $undetermined or $fileErrors"/>
    <xsl:choose>
      <xsl:when test="not(verdict) and not($fileErrors)">
        <td>—<xsl:for-each select=".."><xsl:call-template name="quality-mark"/></xsl:for-each></td>
      </xsl:when>
      <xsl:when test="not($bad) and not($conditionallyExceeded) and not($conditionallyMet)">
        <td class="ok"><xsl:value-of select="verdict[1]/outcome"/><xsl:for-each select=".."><xsl:call-template name="quality-mark"/></xsl:for-each></td>
      </xsl:when>
      <xsl:otherwise>
        <td>
          <xsl:attribute name="class">
            <xsl:choose>
              <xsl:when test="$bad">bad</xsl:when>
              <xsl:when test="$conditionallyExceeded">conditionally-exceeds</xsl:when>
              <xsl:otherwise>conditionally-conforms</xsl:otherwise>
            </xsl:choose>
          </xsl:attribute>
          <xsl:call-template name="verdict-group">
            <xsl:with-param name="verdicts" select="$exceeded"/>
            <xsl:with-param name="class" select="'bad'"/>
          </xsl:call-template>
          <xsl:call-template name="verdict-group">
            <xsl:with-param name="verdicts" select="$conditionallyExceeded"/>
            <xsl:with-param name="class" select="'conditionally-exceeds'"/>
          </xsl:call-template>
          <xsl:call-template name="verdict-group">
            <xsl:with-param name="verdicts" select="$conditionallyMet"/>
            <xsl:with-param name="class" select="'pending'"/>
          </xsl:call-template>
          <xsl:call-template name="verdict-group">
            <xsl:with-param name="verdicts" select="$undetermined"/>
            <xsl:with-param name="class" select="'bad'"/>
            <xsl:with-param name="why" select="true()"/>
          </xsl:call-template>
          <xsl:if test="$fileErrors">
            <div class="bad"><xsl:value-of select="$batch.limits-partly-read"/></div>
          </xsl:if>
          <xsl:for-each select=".."><xsl:call-template name="quality-mark"/></xsl:for-each>
        </td>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- One line of a series' verdicts: their words as the document gives them, then the limits that got
       them. -->
  <xsl:template name="verdict-group">
    <xsl:param name="verdicts"/>
    <xsl:param name="class"/>
    <xsl:param name="why" select="false()"/>
    <xsl:if test="$verdicts">
      <div class="{$class}">
        <xsl:value-of select="concat($verdicts[1]/outcome, ': ')"/>
        <xsl:for-each select="$verdicts">
          <xsl:if test="position() &gt; 1">; </xsl:if>
          <xsl:value-of select="name"/>
          <xsl:if test="$why"><xsl:value-of select="concat(' (', doubt, ')')"/></xsl:if>
        </xsl:for-each>
      </div>
    </xsl:if>
  </xsl:template>

  <xsl:template match="note">
    <div class="note"><xsl:value-of select="."/></div>
  </xsl:template>

  <!-- What QC says of an analysis series, beside its results and verdicts: in doubt or not yet confirmed. -->
  <xsl:template name="quality-mark">
    <xsl:if test="quality = 'in_doubt' or quality = 'undetermined'"><div class="bad mark"><b><xsl:value-of select="quality_text"/></b></div></xsl:if>
    <xsl:if test="quality = 'not_yet_confirmed'"><div class="pending mark"><xsl:value-of select="quality_text"/></div></xsl:if>
  </xsl:template>

  <!-- A QC series' own results, one per chart: those that failed or could not be used in red. -->
  <xsl:template name="qc-notes">
    <xsl:for-each select="qc_failures/result"><div class="bad"><xsl:value-of select="."/></div></xsl:for-each>
    <xsl:for-each select="qc_results/result"><div class="ok"><xsl:value-of select="."/></div></xsl:for-each>
  </xsl:template>

</xsl:stylesheet>
