<?xml version="1.0" encoding="UTF-8"?>
<!--
  The templates that draw a qc element's control charts, their words left to the variables qc.* of a words
  file: the control charts' page (QcChartPage.xsl) and the batch's index page (BatchIndexPage.xsl) are each
  made into one stylesheet with these templates and the words of a language (QcChart.xsl, BatchIndex.xsl in
  Russian, QcChart.ENU.xsl, BatchIndex.ENU.xsl in English).

  qc: file, errors/error, none_judged (да when results were charted and not one could be judged), then per
  line of the QC file a chart: its title and line (sample, component, quantity, accepted, tolerance), counts
  (failed, undetermined), limits (the limits in force for the next result: determined, why, baseline_count,
  provisional, baseline, established, established_at and reason when established, provisional_points — the
  results shown that were held against provisional limits — and when determined centre, sigma, upper,
  lower, mr_mean, mr_upper), the value scales (scale, mr_scale: low, high, tick with value, at — its place
  from 0 at the bottom to 1 at the top — and label), tolerance_upper_at and tolerance_lower_at, segments/segment
  (a run of points first…last held against the same limits: kind, centre, upper, lower, mr_mean,
  mr_upper, and the places centre_at, upper_at, lower_at, plus1_at, minus1_at, plus2_at, minus2_at,
  mr_mean_at, mr_upper_at), label_every (a date under every so many points) and points/point: index,
  moment, day, report, value, plotted, used, baseline, y and beyond (its place, and "above" or "below" when
  the value lies beyond the scale and is drawn at its edge), mr, mr_y, mr_beyond, mr_above, mr_return (above
  the MR limit on the return from a point that broke a rule), tolerance, limits_kind (established,
  provisional, none), outcome (in_control, failed, undetermined, unjudged), outcome_text, why, note, rules,
  hits/hit.

  Each chart is drawn as inline SVG from these places, so that no value, however wild, reaches the
  drawing's arithmetic: the individuals chart (points at their place, the centre line, the 3σ limits, the
  1σ and 2σ lines and the tolerance band along the points they judged, the baseline's points on a tinted
  ground, the rules a point breaks written beside it, a value beyond the scale at its edge with an arrow)
  above the moving range chart, both with the points in the order made and their dates under them.
  Hovering a point names it.

  As with the report's page, the result is saved from a DOM: it must be well-formed XML with a single root, no HTML
  element may be left empty (a saved <td/> reads in HTML as a start tag only; SVG elements may be, as HTML
  reads them as foreign elements), and a blank that matters is part of an XPath string.
-->
<xsl:stylesheet version="1.0"
                xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
                xmlns="http://www.w3.org/1999/xhtml">

  <!-- The drawing area of the individuals chart in the SVG's own units: 1000 wide. -->
  <xsl:variable name="qc-left" select="70"/>
  <xsl:variable name="qc-width" select="790"/>
  <xsl:variable name="qc-top" select="16"/>
  <xsl:variable name="qc-height" select="190"/>
  <xsl:variable name="qc-mr-top" select="10"/>
  <xsl:variable name="qc-mr-height" select="64"/>

  <!-- The style of the charts' pages, for the style element of whichever page shows them. -->
  <xsl:template name="qc-style">
    <xsl:text>
          h2.qc { font-size: 12pt; margin: 6mm 0 2mm 0; }
          .qc-chart { page-break-inside: avoid; break-inside: avoid; margin: 0 0 6mm 0; }
          .qc-chart h3 { font-size: 11pt; margin: 3mm 0 1mm 0; }
          .qc-chart p { margin: 0 0 1mm 0; }
          .qc-chart svg { display: block; width: 100%; height: auto; }
          .qc-caption { font-size: 8.5pt; color: #444; margin: 1mm 0 0 0; }
          .qc-legend { font-size: 8pt; color: #444; }
          .qc-provisional { color: #7a4d00; font-weight: bold; }
          .qc-bad { color: #b00020; }
          table.qc-points { border-collapse: collapse; width: 100%; font-size: 9pt; margin-top: 1.5mm; }
          table.qc-points th, table.qc-points td { border: 0.6pt solid #444; padding: 0.6mm 1.5mm; text-align: left; vertical-align: top; }
          table.qc-points th { background: #e6e9ee; }
          table.qc-points td.num { text-align: right; white-space: nowrap; }
    </xsl:text>
  </xsl:template>

  <xsl:template match="qc" mode="qc">
    <h2 class="qc"><xsl:value-of select="$qc.heading"/></h2>
    <p>
      <xsl:value-of select="concat($qc.file, file, '.')"/>
    </p>
    <xsl:if test="errors/error">
      <div class="qc-bad">
        <b><xsl:value-of select="$qc.unread-lines"/></b>
        <xsl:for-each select="errors/error"><div><xsl:value-of select="."/></div></xsl:for-each>
      </div>
    </xsl:if>
    <xsl:if test="none_judged = 'да'">
      <p class="qc-bad"><b><xsl:value-of select="$qc.none-judged"/></b></p>
    </xsl:if>
    <xsl:if test="chart/points/point">
      <p class="qc-legend"><xsl:value-of select="$qc.legend"/></p>
    </xsl:if>
    <xsl:apply-templates select="chart" mode="qc"/>
  </xsl:template>

  <xsl:template match="chart" mode="qc">
    <div class="qc-chart">
      <h3><xsl:value-of select="concat($qc.chart, number, '. ', title)"/></h3>
      <p>
        <xsl:choose>
          <xsl:when test="accepted != ''">
            <xsl:value-of select="concat($qc.plotted-minus-accepted, accepted, ' ', quantity, ' (', component, ')')"/>
            <xsl:if test="tolerance != ''"><xsl:value-of select="concat($qc.tolerance, tolerance)"/></xsl:if>
            <xsl:text>.</xsl:text>
          </xsl:when>
          <xsl:otherwise>
            <xsl:value-of select="concat($qc.plotted-result, quantity, ' (', component, ').')"/>
          </xsl:otherwise>
        </xsl:choose>
      </p>
      <xsl:apply-templates select="limits" mode="qc"/>
      <p>
        <xsl:value-of select="concat($qc.results, count(points/point), $qc.failed, failed, $qc.undetermined, undetermined, '.')"/>
      </p>
      <xsl:choose>
        <xsl:when test="points/point">
          <xsl:call-template name="qc-individuals"/>
          <p class="qc-caption"><xsl:value-of select="$qc.individuals"/></p>
          <xsl:call-template name="qc-moving-range"/>
          <p class="qc-caption"><xsl:value-of select="$qc.moving-range"/></p>

          <xsl:if test="points/point[outcome = 'failed' or outcome = 'undetermined' or note != '']">
            <xsl:call-template name="qc-notable"/>
          </xsl:if>
        </xsl:when>
        <xsl:otherwise>
          <p><xsl:value-of select="$qc.no-results"/></p>
        </xsl:otherwise>
      </xsl:choose>
    </div>
  </xsl:template>

  <xsl:template match="limits" mode="qc">
    <xsl:variable name="quantity" select="../quantity"/>
    <p>
      <xsl:choose>
        <xsl:when test="established = 'да'">
          <xsl:value-of select="concat($qc.established, established_at, $qc.reason, reason, $qc.by, baseline_count, $qc.baseline-results, baseline, $qc.centre-line-capital, centre, $qc.limits-3s, lower, ' … ', upper, $qc.sigma, sigma, $qc.mr-mean, mr_mean, $qc.mr-limit, mr_upper, ' (', $quantity, ').')"/>
          <xsl:if test="provisional = 'да'">
            <span class="qc-provisional"><xsl:value-of select="$qc.provisional-few"/></span>
          </xsl:if>
          <xsl:if test="provisional_points &gt; 0">
            <xsl:value-of select="concat($qc.provisional-before, provisional_points, $qc.provisional-here)"/>
          </xsl:if>
        </xsl:when>
        <xsl:otherwise>
          <span class="qc-provisional"><xsl:value-of select="$qc.not-established"/></span>
          <xsl:choose>
            <xsl:when test="determined = 'да'">
              <xsl:value-of select="concat($qc.next-centre, centre, $qc.limits-3s, lower, ' … ', upper, $qc.sigma, sigma, $qc.mr-mean, mr_mean, $qc.mr-limit, mr_upper, ' (', $quantity, $qc.from-results, baseline_count, $qc.results-end)"/>
            </xsl:when>
            <xsl:otherwise>
              <xsl:value-of select="concat($qc.next-none, why, $qc.tolerance-only)"/>
            </xsl:otherwise>
          </xsl:choose>
        </xsl:otherwise>
      </xsl:choose>
    </p>
  </xsl:template>

  <!-- The individuals chart. -->
  <xsl:template name="qc-individuals">
    <xsl:variable name="n" select="count(points/point)"/>
    <xsl:variable name="kx" select="$qc-width div $n"/>
    <xsl:variable name="r">
      <xsl:choose>
        <xsl:when test="$n &gt; 120">2.2</xsl:when>
        <xsl:otherwise>3.4</xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:variable name="bottom" select="$qc-top + $qc-height"/>
    <svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 1000 236" width="1000" height="236" font-family="Arial, DejaVu Sans, sans-serif" font-size="12">
      <!-- the baseline's points on a tinted ground -->
      <xsl:if test="points/point[baseline = 'да']">
        <xsl:variable name="first" select="points/point[baseline = 'да'][1]/index"/>
        <xsl:variable name="last" select="points/point[baseline = 'да'][last()]/index"/>
        <rect y="{$qc-top}" height="{$qc-height}" fill="#e8f0fa">
          <xsl:attribute name="x"><xsl:value-of select="format-number($qc-left + ($first - 1) * $kx, '0.0')"/></xsl:attribute>
          <xsl:attribute name="width"><xsl:value-of select="format-number(($last - $first + 1) * $kx, '0.0')"/></xsl:attribute>
        </rect>
      </xsl:if>
      <!-- the value axis -->
      <xsl:for-each select="scale/tick">
        <xsl:variable name="y" select="format-number($qc-top + (1 - at) * $qc-height, '0.0')"/>
        <line x1="{$qc-left - 5}" x2="{$qc-left}" y1="{$y}" y2="{$y}" stroke="#444" stroke-width="0.8"/>
        <line x1="{$qc-left}" x2="{$qc-left + $qc-width}" y1="{$y}" y2="{$y}" stroke="#eceef1" stroke-width="0.6"/>
        <text x="{$qc-left - 8}" y="{$y + 4}" text-anchor="end"><xsl:value-of select="label"/></text>
      </xsl:for-each>
      <!-- the tolerance band around the accepted value, at 0 -->
      <xsl:if test="tolerance != ''">
        <xsl:call-template name="qc-line">
          <xsl:with-param name="y" select="$qc-top + (1 - tolerance_upper_at) * $qc-height"/>
          <xsl:with-param name="stroke">#e07b00</xsl:with-param>
          <xsl:with-param name="dash">9,3,2,3</xsl:with-param>
        </xsl:call-template>
        <xsl:call-template name="qc-line">
          <xsl:with-param name="y" select="$qc-top + (1 - tolerance_lower_at) * $qc-height"/>
          <xsl:with-param name="stroke">#e07b00</xsl:with-param>
          <xsl:with-param name="dash">9,3,2,3</xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <!-- 1σ and 2σ, the centre line and the 3σ limits along the points each set of limits judged -->
      <xsl:for-each select="segments/segment">
        <xsl:variable name="x1" select="$qc-left + (first - 1) * $kx"/>
        <xsl:variable name="x2" select="$qc-left + last * $kx"/>
        <xsl:for-each select="plus1_at | minus1_at | plus2_at | minus2_at">
          <xsl:call-template name="qc-line">
            <xsl:with-param name="y" select="$qc-top + (1 - .) * $qc-height"/>
            <xsl:with-param name="x1" select="$x1"/>
            <xsl:with-param name="x2" select="$x2"/>
            <xsl:with-param name="stroke">#9aa5b1</xsl:with-param>
            <xsl:with-param name="dash">2,3</xsl:with-param>
          </xsl:call-template>
        </xsl:for-each>
        <xsl:variable name="labelled" select="position() = last()"/>
        <xsl:call-template name="qc-line">
          <xsl:with-param name="y" select="$qc-top + (1 - centre_at) * $qc-height"/>
          <xsl:with-param name="x1" select="$x1"/>
          <xsl:with-param name="x2" select="$x2"/>
          <xsl:with-param name="stroke">#1b5e20</xsl:with-param>
          <xsl:with-param name="label"><xsl:if test="$labelled"><xsl:value-of select="concat($qc.cl, centre)"/></xsl:if></xsl:with-param>
        </xsl:call-template>
        <xsl:call-template name="qc-line">
          <xsl:with-param name="y" select="$qc-top + (1 - upper_at) * $qc-height"/>
          <xsl:with-param name="x1" select="$x1"/>
          <xsl:with-param name="x2" select="$x2"/>
          <xsl:with-param name="stroke">#b00020</xsl:with-param>
          <xsl:with-param name="dash">7,4</xsl:with-param>
          <xsl:with-param name="label"><xsl:if test="$labelled"><xsl:value-of select="concat($qc.ucl, upper)"/></xsl:if></xsl:with-param>
          <xsl:with-param name="shift" select="-4"/>
        </xsl:call-template>
        <xsl:call-template name="qc-line">
          <xsl:with-param name="y" select="$qc-top + (1 - lower_at) * $qc-height"/>
          <xsl:with-param name="x1" select="$x1"/>
          <xsl:with-param name="x2" select="$x2"/>
          <xsl:with-param name="stroke">#b00020</xsl:with-param>
          <xsl:with-param name="dash">7,4</xsl:with-param>
          <xsl:with-param name="label"><xsl:if test="$labelled"><xsl:value-of select="concat($qc.lcl, lower)"/></xsl:if></xsl:with-param>
          <xsl:with-param name="shift" select="13"/>
        </xsl:call-template>
      </xsl:for-each>
      <rect x="{$qc-left}" y="{$qc-top}" width="{$qc-width}" height="{$qc-height}" fill="none" stroke="#444" stroke-width="0.8"/>
      <!-- the used results joined in the order made -->
      <polyline fill="none" stroke="#1f4e79" stroke-width="1">
        <xsl:attribute name="points">
          <xsl:for-each select="points/point[used = 'да']">
            <xsl:value-of select="concat(format-number($qc-left + (index - 0.5) * $kx, '0.0'), ',', format-number($qc-top + (1 - y) * $qc-height, '0.0'), ' ')"/>
          </xsl:for-each>
        </xsl:attribute>
      </polyline>
      <xsl:for-each select="points/point">
        <xsl:variable name="x" select="format-number($qc-left + (index - 0.5) * $kx, '0.0')"/>
        <xsl:variable name="title">
          <xsl:call-template name="qc-title"/>
        </xsl:variable>
        <xsl:choose>
          <xsl:when test="y = ''">
            <text x="{$x}" y="{$bottom - 4}" text-anchor="middle" fill="#777" font-size="13"><title><xsl:value-of select="$title"/></title>×</text>
          </xsl:when>
          <xsl:otherwise>
            <xsl:variable name="y" select="$qc-top + (1 - y) * $qc-height"/>
            <circle cx="{$x}" cy="{format-number($y, '0.0')}">
              <xsl:choose>
                <xsl:when test="outcome = 'failed'">
                  <xsl:attribute name="r"><xsl:value-of select="$r + 1.6"/></xsl:attribute>
                  <xsl:attribute name="fill">#b00020</xsl:attribute>
                </xsl:when>
                <xsl:when test="used = 'нет'">
                  <xsl:attribute name="r"><xsl:value-of select="$r"/></xsl:attribute>
                  <xsl:attribute name="fill">#fff</xsl:attribute>
                  <xsl:attribute name="stroke">#777</xsl:attribute>
                  <xsl:attribute name="stroke-width">1.2</xsl:attribute>
                </xsl:when>
                <xsl:otherwise>
                  <xsl:attribute name="r"><xsl:value-of select="$r"/></xsl:attribute>
                  <xsl:attribute name="fill">#1f4e79</xsl:attribute>
                </xsl:otherwise>
              </xsl:choose>
              <title><xsl:value-of select="$title"/></title>
            </circle>
            <xsl:call-template name="qc-beyond">
              <xsl:with-param name="x" select="$x"/>
              <xsl:with-param name="y" select="$y"/>
              <xsl:with-param name="side" select="beyond"/>
            </xsl:call-template>
            <xsl:if test="outcome = 'failed'">
              <xsl:variable name="mark">
                <xsl:value-of select="rules"/>
                <xsl:if test="tolerance_key = 'outside'">
                  <xsl:if test="rules != ''">,</xsl:if>
                  <xsl:value-of select="$qc.tolerance-mark"/>
                </xsl:if>
              </xsl:variable>
              <text x="{$x}" text-anchor="middle" fill="#b00020" font-weight="bold" font-size="13">
                <xsl:attribute name="y">
                  <xsl:choose>
                    <xsl:when test="$y &lt; $qc-top + 22"><xsl:value-of select="format-number($y + 20, '0.0')"/></xsl:when>
                    <xsl:otherwise><xsl:value-of select="format-number($y - 9, '0.0')"/></xsl:otherwise>
                  </xsl:choose>
                </xsl:attribute>
                <xsl:value-of select="$mark"/>
              </text>
            </xsl:if>
          </xsl:otherwise>
        </xsl:choose>
      </xsl:for-each>
      <!-- the dates of every so many points -->
      <xsl:variable name="every" select="number(label_every)"/>
      <xsl:for-each select="points/point[(index - 1) mod $every = 0]">
        <xsl:variable name="x" select="format-number($qc-left + (index - 0.5) * $kx, '0.0')"/>
        <line x1="{$x}" x2="{$x}" y1="{$bottom}" y2="{$bottom + 5}" stroke="#444" stroke-width="0.8"/>
        <text x="{$x}" y="{$bottom + 20}" text-anchor="middle"><xsl:value-of select="day"/></text>
      </xsl:for-each>
    </svg>
  </xsl:template>

  <!-- A value beyond the scale, drawn at its edge: an arrow pointing where it lies, above the frame for a
       value above it, inside beside the point for one below; SVG by xsl:element, as the template stands
       outside the chart's svg element. -->
  <xsl:template name="qc-beyond">
    <xsl:param name="x"/>
    <xsl:param name="y"/>
    <xsl:param name="side"/>
    <xsl:if test="$side != ''">
      <xsl:element name="text" namespace="http://www.w3.org/2000/svg">
        <xsl:choose>
          <xsl:when test="$side = 'above'">
            <xsl:attribute name="x"><xsl:value-of select="$x"/></xsl:attribute>
            <xsl:attribute name="y"><xsl:value-of select="format-number($y - 3, '0.0')"/></xsl:attribute>
            <xsl:attribute name="text-anchor">middle</xsl:attribute>
          </xsl:when>
          <xsl:otherwise>
            <xsl:attribute name="x"><xsl:value-of select="$x + 5"/></xsl:attribute>
            <xsl:attribute name="y"><xsl:value-of select="format-number($y - 4, '0.0')"/></xsl:attribute>
          </xsl:otherwise>
        </xsl:choose>
        <xsl:attribute name="fill">#b00020</xsl:attribute>
        <xsl:attribute name="font-size">10</xsl:attribute>
        <xsl:choose>
          <xsl:when test="$side = 'above'">▲</xsl:when>
          <xsl:otherwise>▼</xsl:otherwise>
        </xsl:choose>
      </xsl:element>
    </xsl:if>
  </xsl:template>

  <!-- A horizontal line across the individuals chart at y (from x1 to x2: the whole width unless given), with
       its label at the right; SVG elements, as the template stands outside the chart's svg element. -->
  <xsl:template name="qc-line">
    <xsl:param name="y"/>
    <xsl:param name="x1" select="$qc-left"/>
    <xsl:param name="x2" select="$qc-left + $qc-width"/>
    <xsl:param name="stroke"/>
    <xsl:param name="dash" select="'none'"/>
    <xsl:param name="label" select="''"/>
    <xsl:param name="shift" select="4"/>
    <xsl:variable name="at" select="format-number($y, '0.0')"/>
    <!-- Made by xsl:element: a literal SVG element here, outside the chart's svg literal, is given a
         namespace prefix by libxslt, which no HTML parser reads. -->
    <xsl:element name="line" namespace="http://www.w3.org/2000/svg">
      <xsl:attribute name="x1"><xsl:value-of select="format-number($x1, '0.0')"/></xsl:attribute>
      <xsl:attribute name="x2"><xsl:value-of select="format-number($x2, '0.0')"/></xsl:attribute>
      <xsl:attribute name="y1"><xsl:value-of select="$at"/></xsl:attribute>
      <xsl:attribute name="y2"><xsl:value-of select="$at"/></xsl:attribute>
      <xsl:attribute name="stroke"><xsl:value-of select="$stroke"/></xsl:attribute>
      <xsl:attribute name="stroke-width">1.3</xsl:attribute>
      <xsl:attribute name="stroke-dasharray"><xsl:value-of select="$dash"/></xsl:attribute>
    </xsl:element>
    <xsl:if test="$label != ''">
      <xsl:element name="text" namespace="http://www.w3.org/2000/svg">
        <xsl:attribute name="x"><xsl:value-of select="$qc-left + $qc-width + 6"/></xsl:attribute>
        <xsl:attribute name="y"><xsl:value-of select="format-number($y + $shift, '0.0')"/></xsl:attribute>
        <xsl:attribute name="fill"><xsl:value-of select="$stroke"/></xsl:attribute>
        <xsl:value-of select="$label"/>
      </xsl:element>
    </xsl:if>
  </xsl:template>

  <!-- What hovering a point tells: when, the value, the outcome and why, the series' report. -->
  <xsl:template name="qc-title">
    <xsl:value-of select="concat(moment, ' · ', ../../sample, ': ')"/>
    <xsl:choose>
      <xsl:when test="value != ''"><xsl:value-of select="concat(value, ' ', ../../quantity)"/></xsl:when>
      <xsl:otherwise><xsl:value-of select="$qc.no-result"/></xsl:otherwise>
    </xsl:choose>
    <xsl:if test="../../accepted != '' and plotted != ''"><xsl:value-of select="concat($qc.plotted-as, plotted, ')')"/></xsl:if>
    <xsl:value-of select="concat(' — ', outcome_text)"/>
    <xsl:if test="why != ''"><xsl:value-of select="concat(': ', why)"/></xsl:if>
    <xsl:if test="beyond != ''"><xsl:value-of select="$qc.beyond-scale"/></xsl:if>
    <xsl:if test="note != ''"><xsl:value-of select="concat('; ', note)"/></xsl:if>
    <xsl:if test="report != ''"><xsl:value-of select="concat($qc.report, report)"/></xsl:if>
  </xsl:template>

  <!-- The moving range chart, under the individuals chart and on its horizontal scale. -->
  <xsl:template name="qc-moving-range">
    <xsl:variable name="n" select="count(points/point)"/>
    <xsl:variable name="kx" select="$qc-width div $n"/>
    <xsl:variable name="bottom" select="$qc-mr-top + $qc-mr-height"/>
    <svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 1000 92" width="1000" height="92" font-family="Arial, DejaVu Sans, sans-serif" font-size="12">
      <xsl:for-each select="mr_scale/tick">
        <xsl:variable name="y" select="format-number($bottom - at * $qc-mr-height, '0.0')"/>
        <line x1="{$qc-left - 5}" x2="{$qc-left}" y1="{$y}" y2="{$y}" stroke="#444" stroke-width="0.8"/>
        <line x1="{$qc-left}" x2="{$qc-left + $qc-width}" y1="{$y}" y2="{$y}" stroke="#eceef1" stroke-width="0.6"/>
        <text x="{$qc-left - 8}" y="{$y + 4}" text-anchor="end"><xsl:value-of select="label"/></text>
      </xsl:for-each>
      <xsl:for-each select="segments/segment">
        <xsl:variable name="x1" select="format-number($qc-left + (first - 1) * $kx, '0.0')"/>
        <xsl:variable name="x2" select="format-number($qc-left + last * $kx, '0.0')"/>
        <xsl:variable name="mean" select="format-number($bottom - mr_mean_at * $qc-mr-height, '0.0')"/>
        <xsl:variable name="upper" select="format-number($bottom - mr_upper_at * $qc-mr-height, '0.0')"/>
        <line x1="{$x1}" x2="{$x2}" y1="{$mean}" y2="{$mean}" stroke="#1b5e20" stroke-width="1.3"/>
        <line x1="{$x1}" x2="{$x2}" y1="{$upper}" y2="{$upper}" stroke="#b00020" stroke-width="1.3" stroke-dasharray="7,4"/>
        <xsl:if test="position() = last()">
          <text x="{$qc-left + $qc-width + 6}" y="{$mean + 13}" fill="#1b5e20"><xsl:value-of select="concat($qc.mean-mr, mr_mean)"/></text>
          <text x="{$qc-left + $qc-width + 6}" y="{$upper - 4}" fill="#b00020"><xsl:value-of select="concat($qc.ucl, mr_upper)"/></text>
        </xsl:if>
      </xsl:for-each>
      <rect x="{$qc-left}" y="{$qc-mr-top}" width="{$qc-width}" height="{$qc-mr-height}" fill="none" stroke="#444" stroke-width="0.8"/>
      <polyline fill="none" stroke="#1f4e79" stroke-width="1">
        <xsl:attribute name="points">
          <xsl:for-each select="points/point[mr != '']">
            <xsl:value-of select="concat(format-number($qc-left + (index - 0.5) * $kx, '0.0'), ',', format-number($bottom - mr_y * $qc-mr-height, '0.0'), ' ')"/>
          </xsl:for-each>
        </xsl:attribute>
      </polyline>
      <xsl:for-each select="points/point[mr != '']">
        <xsl:variable name="x" select="format-number($qc-left + (index - 0.5) * $kx, '0.0')"/>
        <xsl:variable name="y" select="$bottom - mr_y * $qc-mr-height"/>
        <circle cx="{$x}" cy="{format-number($y, '0.0')}">
          <xsl:choose>
            <xsl:when test="mr_above = 'да' and hits/hit/rule = 5">
              <xsl:attribute name="r">3.6</xsl:attribute>
              <xsl:attribute name="fill">#b00020</xsl:attribute>
            </xsl:when>
            <xsl:when test="mr_above = 'да'">
              <xsl:attribute name="r">3.2</xsl:attribute>
              <xsl:attribute name="fill">#fff</xsl:attribute>
              <xsl:attribute name="stroke">#b00020</xsl:attribute>
              <xsl:attribute name="stroke-width">1.2</xsl:attribute>
            </xsl:when>
            <xsl:otherwise>
              <xsl:attribute name="r">2.2</xsl:attribute>
              <xsl:attribute name="fill">#1f4e79</xsl:attribute>
            </xsl:otherwise>
          </xsl:choose>
          <title>
            <xsl:choose>
              <xsl:when test="note != ''"><xsl:value-of select="concat(moment, ': ', note)"/></xsl:when>
              <xsl:otherwise><xsl:value-of select="concat(moment, $qc.moving-range-of, mr)"/></xsl:otherwise>
            </xsl:choose>
          </title>
        </circle>
        <xsl:call-template name="qc-beyond">
          <xsl:with-param name="x" select="$x"/>
          <xsl:with-param name="y" select="$y"/>
          <xsl:with-param name="side" select="mr_beyond"/>
        </xsl:call-template>
      </xsl:for-each>
    </svg>
  </xsl:template>

  <!-- The results that failed or could not be used, with what and why, and those whose moving range above
       its limit was counted to the point before them. -->
  <xsl:template name="qc-notable">
    <table class="qc-points">
      <thead>
        <tr>
          <th><xsl:value-of select="$qc.column-series"/></th>
          <th><xsl:value-of select="$qc.column-result"/></th>
          <xsl:if test="accepted != ''"><th><xsl:value-of select="$qc.column-plotted"/></th></xsl:if>
          <th><xsl:value-of select="$qc.column-outcome"/></th>
          <th><xsl:value-of select="$qc.column-why"/></th>
        </tr>
      </thead>
      <tbody>
        <xsl:for-each select="points/point[outcome = 'failed' or outcome = 'undetermined' or note != '']">
          <tr>
            <td>
              <xsl:choose>
                <xsl:when test="report != ''"><a href="{report}.html"><xsl:value-of select="moment"/></a></xsl:when>
                <xsl:otherwise><xsl:value-of select="moment"/></xsl:otherwise>
              </xsl:choose>
            </td>
            <td class="num"><xsl:call-template name="qc-cell"><xsl:with-param name="text" select="value"/></xsl:call-template></td>
            <xsl:if test="../../accepted != ''">
              <td class="num"><xsl:call-template name="qc-cell"><xsl:with-param name="text" select="plotted"/></xsl:call-template></td>
            </xsl:if>
            <td>
              <xsl:if test="outcome = 'failed' or outcome = 'undetermined'"><xsl:attribute name="class">qc-bad</xsl:attribute></xsl:if>
              <xsl:value-of select="outcome_text"/>
            </td>
            <td><xsl:call-template name="qc-cell"><xsl:with-param name="text" select="concat(why, substring('; ', 1, 2 * (why != '' and note != '')), note)"/></xsl:call-template></td>
          </tr>
        </xsl:for-each>
      </tbody>
    </table>
  </xsl:template>

  <xsl:template name="qc-cell">
    <xsl:param name="text"/>
    <xsl:choose>
      <xsl:when test="string-length($text) &gt; 0"><xsl:value-of select="$text"/></xsl:when>
      <xsl:otherwise>&#8212;</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

</xsl:stylesheet>
