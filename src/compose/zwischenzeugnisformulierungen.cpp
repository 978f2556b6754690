#include "compose/phrasenbibliothek.h"

namespace velmora {

// The final reference's other phrasings, in the present tense of an employee who stays; the
// closing thanks for the work so far instead of saying farewell.
const Formulierungen zwischenzeugnisformulierungen = {{
    // 1 Fachwissen
    {{
        {Phrase("{Herr} {Name} verfügt über ein hervorragendes, äußerst fundiertes Fachwissen, das "
                "{er} stets sicher und zielgerichtet zum Nutzen unseres Unternehmens einsetzt. "),
         Phrase("{Seine} ausgezeichneten Fachkenntnisse reichen weit über {seinen} Aufgabenbereich "
                "hinaus, und {er} setzt sie stets mit hervorragendem Erfolg in der Praxis ein. ")},
        {Phrase("{Herr} {Name} besitzt ein umfassendes und sehr fundiertes Fachwissen, das {er} "
                "stets sicher und zielgerichtet in der Praxis anwendet. "),
         Phrase("{Seine} sehr guten und vielseitigen Fachkenntnisse setzt {Herr} {Name} jederzeit "
                "sicher und gewinnbringend in der Praxis ein. ")},
        {Phrase("{Herr} {Name} besitzt ein gutes und fundiertes Fachwissen, das {er} sicher in der "
                "Praxis anwendet. "),
         Phrase("{Seine} guten Fachkenntnisse setzt {Herr} {Name} sicher und zielgerichtet in der "
                "Praxis ein. ")},
        {Phrase("{Herr} {Name} setzt {sein} den Anforderungen entsprechendes Fachwissen in der "
                "Praxis zufriedenstellend ein. "),
         Phrase("{Seine} Fachkenntnisse entsprechen den Anforderungen {seines} Arbeitsbereichs, "
                "und {er} setzt sie auf zufriedenstellende Weise in der Praxis ein. ")},
        {Phrase("{Herr} {Name} verfügt im Großen und Ganzen über die Fachkenntnisse, die {sein} "
                "Arbeitsbereich erfordert. "),
         Phrase("{Seine} Fachkenntnisse genügen weitgehend den Anforderungen {seines} "
                "Arbeitsbereichs, und {er} setzt sie im Wesentlichen sicher in der Praxis ein. ")},
        {Phrase("{Herr} {Name} ist bemüht, sich die für {seinen} Arbeitsbereich nötigen "
                "Fachkenntnisse anzueignen und sie in der Praxis einzusetzen. "),
         Phrase("{Er} versucht stets, {seine} Fachkenntnisse zu erweitern und in der Praxis "
                "anzuwenden. ")},
    }},
    // 2 Weiterbildung
    {{
        {Phrase("{Herr} {Name} bildet sich stets äußerst zielstrebig fort und nutzt jede "
                "Gelegenheit zur Weiterbildung mit hervorragendem Erfolg."),
         Phrase("An internen und externen Weiterbildungen nimmt {er} stets aus eigenem Antrieb "
                "teil und schließt sie mit ausgezeichnetem Erfolg ab.")},
        {Phrase("{Er} bildet sich stets zielstrebig weiter und besucht interne und externe "
                "Seminare mit sehr gutem Erfolg."),
         Phrase("{Herr} {Name} nimmt regelmäßig an Weiterbildungen teil und setzt das Gelernte "
                "sehr erfolgreich in {seiner} Arbeit um.")},
        {Phrase("{Er} nimmt regelmäßig an internen und externen Seminaren teil und schließt sie "
                "mit gutem Erfolg ab."),
         Phrase("{Herr} {Name} bildet sich in Seminaren gezielt weiter und wendet das Gelernte mit "
                "gutem Erfolg in der Praxis an.")},
        {Phrase("{Er} nimmt an den für {seine} Tätigkeit erforderlichen Weiterbildungen teil und "
                "schließt sie zufriedenstellend ab."),
         Phrase("{Herr} {Name} besucht die Seminare, die {seine} Aufgaben erfordern, und bildet "
                "sich den Anforderungen entsprechend weiter.")},
        {Phrase("{Er} nimmt an den angebotenen Weiterbildungen teil und setzt das Gelernte im "
                "Großen und Ganzen in der Praxis um."),
         Phrase("{Herr} {Name} besucht die für {seine} Tätigkeit vorgesehenen Seminare und eignet "
                "sich deren Inhalte im Großen und Ganzen an.")},
        {Phrase("{Er} ist bemüht, an den angebotenen Weiterbildungen teilzunehmen."),
         Phrase(
             "{Herr} {Name} versucht, das in Seminaren Gelernte in {seiner} Arbeit anzuwenden.")},
    }},
    // 3 Auffassungsgabe
    {{
        {Phrase("{Herr} {Name} verfügt über eine außerordentlich rasche Auffassungsgabe und "
                "erfasst auch äußerst komplexe Zusammenhänge stets sofort und treffsicher. "),
         Phrase("Mit {seiner} ausgezeichneten Auffassungsgabe durchdringt {Herr} {Name} auch "
                "schwierigste Sachverhalte stets schnell und vollständig. ")},
        {Phrase("{Herr} {Name} besitzt eine sehr gute Auffassungsgabe und erfasst auch schwierige "
                "Zusammenhänge stets schnell und sicher. "),
         Phrase("{Seine} sehr schnelle Auffassungsgabe ermöglicht es {ihm}, sich jederzeit zügig "
                "in neue Aufgaben einzuarbeiten. ")},
        {Phrase("{Herr} {Name} besitzt eine gute Auffassungsgabe und arbeitet sich zügig in neue "
                "Aufgaben ein. "),
         Phrase("Mit {seiner} guten Auffassungsgabe erfasst {Herr} {Name} auch neue Sachverhalte "
                "schnell und sicher. ")},
        {Phrase("{Herr} {Name} erfasst neue Sachverhalte dank {seiner} Auffassungsgabe in "
                "zufriedenstellender Weise. "),
         Phrase("{Seine} Auffassungsgabe entspricht den Anforderungen, und {er} arbeitet sich in "
                "angemessener Zeit in neue Aufgaben ein. ")},
        {Phrase("Mit {seiner} Auffassungsgabe erfasst {Herr} {Name} neue Sachverhalte im Großen "
                "und Ganzen richtig. "),
         Phrase("{Seine} Auffassungsgabe reicht im Großen und Ganzen aus, um sich in neue Aufgaben "
                "einzuarbeiten. ")},
        {Phrase("Im Umgang mit neuen Aufgaben ist {Herr} {Name} bemüht, {seine} Auffassungsgabe "
                "einzusetzen. "),
         Phrase("{Er} versucht, neue Sachverhalte mit {seiner} Auffassungsgabe zu erfassen. ")},
    }},
    // 4 Denkfähigkeit
    {{
        {Phrase("{Herr} {Name} denkt stets äußerst analytisch und kommt auch bei schwierigsten "
                "Fragen zu hervorragend begründeten Urteilen."),
         Phrase("Dank {seines} hervorragenden Denkvermögens gelangt {er} auch in komplexesten "
                "Fragen stets zu einem äußerst treffsicheren Urteil.")},
        {Phrase("{Herr} {Name} denkt sehr logisch und analytisch und kommt zu sicheren, gut "
                "begründeten Urteilen."),
         Phrase("Dank {seines} sehr guten Denkvermögens kommt {er} auch in schwierigen Fragen "
                "jederzeit zu einem sicheren Urteil.")},
        {Phrase("{Herr} {Name} denkt logisch und kommt zu guten, sachlich begründeten Urteilen."),
         Phrase("Dank {seines} guten Denkvermögens kommt {er} in {seinem} Arbeitsbereich zu "
                "sicheren und zutreffenden Urteilen.")},
        {Phrase("{Herr} {Name} kommt in {seinem} Arbeitsbereich zu Urteilen, die den Anforderungen "
                "entsprechen."),
         Phrase("{Seine} Urteilsfähigkeit und {sein} Denkvermögen genügen den Anforderungen "
                "{seiner} Aufgaben in zufriedenstellender Weise.")},
        {Phrase("{Herr} {Name} kommt in vertrauten Fragen im Großen und Ganzen zu zutreffenden "
                "Urteilen."),
         Phrase("Mit {seinem} Denkvermögen fällt {er} bei bekannten Sachverhalten im Großen und "
                "Ganzen zutreffende Urteile.")},
        {Phrase(
             "{Herr} {Name} ist bemüht, in vertrauten Fragen zu einem eigenen Urteil zu kommen."),
         Phrase("{Er} versucht, Sachverhalte logisch zu durchdenken und sich ein eigenes Urteil zu "
                "bilden.")},
    }},
    // 5 Leistungsbereitschaft
    {{
        {Phrase("{Herr} {Name} zeigt stets ein außerordentlich hohes Engagement und übernimmt aus "
                "eigener Initiative auch zusätzliche Aufgaben mit hervorragendem Erfolg. "),
         Phrase("{Seine} Leistungsbereitschaft ist stets hervorragend, und {er} setzt sich mit "
                "größter Initiative für unser Unternehmen ein. ")},
        {Phrase("{Herr} {Name} zeigt ein sehr hohes Engagement und bringt sich mit viel "
                "Eigeninitiative in {seine} Aufgaben ein. "),
         Phrase("{Seine} Leistungsbereitschaft ist sehr hoch, und {er} übernimmt bereitwillig auch "
                "zusätzliche Aufgaben. ")},
        {Phrase("{Herr} {Name} zeigt eine gute Leistungsbereitschaft und übernimmt bei Bedarf auch "
                "zusätzliche Aufgaben. "),
         Phrase("{Er} setzt sich mit gutem Engagement und viel Eigeninitiative für {seine} "
                "Aufgaben ein. ")},
        {Phrase("{Herr} {Name} zeigt eine Leistungsbereitschaft, die unseren Anforderungen "
                "entspricht. "),
         Phrase("{Er} erfüllt {seine} Aufgaben mit zufriedenstellendem Engagement und entspricht "
                "damit unseren Erwartungen. ")},
        {Phrase(
             "{Seine} Leistungsbereitschaft entspricht im Großen und Ganzen unseren Erwartungen. "),
         Phrase("{Er} setzt sich weitgehend für {seine} Aufgaben ein und zeigt dabei überwiegend "
                "die nötige Eigeninitiative. ")},
        {Phrase(
             "{Herr} {Name} ist bemüht, die von {ihm} erwartete Leistungsbereitschaft zu zeigen. "),
         Phrase("{Er} versucht, sich mit Engagement für {seine} Aufgaben einzusetzen. ")},
    }},
    // 6 Belastbarkeit
    {{
        {Phrase("{Er} zeichnet sich durch eine außerordentliche Belastbarkeit aus und behält auch "
                "unter stärkstem Druck stets die Übersicht."),
         Phrase("Auch unter höchstem Termindruck beweist {Herr} {Name} stets eine hervorragende "
                "Belastbarkeit.")},
        {Phrase("{Er} ist sehr belastbar und behält auch bei hohem Arbeitsanfall stets die "
                "Übersicht."),
         Phrase("{Herr} {Name} beweist eine sehr gute Belastbarkeit und arbeitet auch unter "
                "Termindruck ruhig und sicher.")},
        {Phrase("{Er} ist gut belastbar und behält auch unter Zeitdruck die Übersicht."),
         Phrase("{Herr} {Name} zeigt eine gute Belastbarkeit und bewältigt auch Zeiten mit hohem "
                "Arbeitsanfall sicher.")},
        {Phrase("{Er} ist den üblichen Belastungen gewachsen und bewältigt den normalen "
                "Arbeitsanfall zufriedenstellend."),
         Phrase("{Seine} Belastbarkeit entspricht den Anforderungen {seiner} Tätigkeit.")},
        {Phrase("Bei normalem Arbeitsanfall ist {er} im Großen und Ganzen belastbar."),
         Phrase("{Seine} Belastbarkeit genügt im Großen und Ganzen den Anforderungen {seiner} "
                "Tätigkeit.")},
        {Phrase("{Er} ist bemüht, dem Arbeitsanfall gewachsen zu sein."),
         Phrase("Unter Belastung versucht {er}, die Übersicht zu behalten.")},
    }},
    // 7 Arbeitsweise
    {{
        {Phrase("{Herr} {Name} arbeitet stets äußerst sorgfältig, gewissenhaft und zuverlässig. "),
         Phrase("{Seine} Arbeitsweise ist stets in höchstem Maße sorgfältig, planvoll und "
                "zuverlässig. ")},
        {Phrase("{Herr} {Name} arbeitet sehr sorgfältig, selbstständig und zuverlässig. "),
         Phrase("{Seine} Arbeitsweise ist sehr planvoll, genau und zuverlässig. ")},
        {Phrase("{Herr} {Name} arbeitet gewissenhaft und sorgfältig und erledigt {seine} Aufgaben "
                "gut organisiert. "),
         Phrase(
             "{Er} zeichnet sich durch eine gute, planvolle und zuverlässige Arbeitsweise aus. ")},
        {Phrase(
             "{Herr} {Name} arbeitet in zufriedenstellender Weise sorgfältig und gewissenhaft. "),
         Phrase(
             "{Er} erledigt {seine} Aufgaben mit zufriedenstellender Sorgfalt und Genauigkeit. ")},
        {Phrase("{Herr} {Name} arbeitet im Großen und Ganzen sorgfältig und gewissenhaft. "),
         Phrase("{Seine} Arbeitsweise ist im Großen und Ganzen planvoll und genau. ")},
        {Phrase("{Herr} {Name} ist bemüht, sorgfältig und gewissenhaft zu arbeiten. "),
         Phrase("{Er} versucht, {seine} Arbeitsweise planvoll und genau zu gestalten. ")},
    }},
    // 8 Arbeitsergebnis
    {{
        {Phrase("{Seine} Arbeitsergebnisse sind stets von hervorragender Qualität und übertreffen "
                "unsere Erwartungen deutlich."),
         Phrase("{Herr} {Name} erzielt stets ausgezeichnete Arbeitsergebnisse und findet auch für "
                "schwierigste Probleme äußerst wirksame Lösungen.")},
        {Phrase("{Seine} Arbeitsergebnisse sind auch bei schwierigen Aufgaben von sehr guter "
                "Qualität."),
         Phrase("{Herr} {Name} erzielt sehr gute Arbeitsergebnisse, auch wenn unvorhergesehene "
                "Probleme zu lösen sind.")},
        {Phrase(
             "{Seine} Arbeitsergebnisse sind von guter Qualität und in der Praxis gut verwertbar."),
         Phrase("{Herr} {Name} erzielt gute Arbeitsergebnisse und findet für auftretende Probleme "
                "tragfähige Lösungen.")},
        {Phrase("{Seine} Arbeitsergebnisse entsprechen in Qualität und Umfang den Anforderungen."),
         Phrase("{Herr} {Name} liefert Arbeitsergebnisse von zufriedenstellender Qualität.")},
        {Phrase("{Seine} Arbeitsergebnisse entsprechen im Großen und Ganzen den Anforderungen."),
         Phrase("{Herr} {Name} erzielt im Wesentlichen brauchbare Arbeitsergebnisse.")},
        {Phrase("{Er} ist bemüht, brauchbare Arbeitsergebnisse zu erzielen."),
         Phrase("{Herr} {Name} versucht, für einfache Probleme brauchbare Lösungen zu finden.")},
    }},
    // 9 Führungsfähigkeit
    {{
        {Phrase("{Er} führt {sein} Team stets äußerst umsichtig und motivierend und ist bei "
                "{seinen} Mitarbeiterinnen und Mitarbeitern in höchstem Maße anerkannt."),
         Phrase("Als Führungskraft ist {Herr} {Name} jederzeit in höchstem Maße anerkannt und "
                "motiviert {sein} Team stets zu ausgezeichneter Arbeit.")},
        {Phrase("{Er} führt {sein} Team sehr sicher und zielorientiert und ist bei {seinen} "
                "Mitarbeiterinnen und Mitarbeitern sehr geschätzt."),
         Phrase("Als Vorgesetzte{r} ist {Herr} {Name} voll anerkannt und setzt {seine} "
                "Mitarbeiterinnen und Mitarbeiter sehr zielgerichtet ein.")},
        {Phrase("{Er} führt {sein} Team sicher und zielorientiert und erzielt mit ihm gute "
                "Ergebnisse."),
         Phrase("{Seine} Mitarbeiterinnen und Mitarbeiter leitet {Herr} {Name} gut an und fördert "
                "sie gezielt.")},
        {Phrase("{Er} führt {sein} Team in zufriedenstellender Weise."),
         Phrase("Als Vorgesetzte{r} leitet {Herr} {Name} {seine} Mitarbeiterinnen und Mitarbeiter "
                "den Anforderungen entsprechend an.")},
        {Phrase("{Er} führt {sein} Team im Großen und Ganzen sachgerecht."),
         Phrase("{Seine} Mitarbeiterinnen und Mitarbeiter leitet {Herr} {Name} weitgehend "
                "sachgerecht an.")},
        {Phrase("{Er} ist bemüht, {sein} Team zielgerichtet zu führen."),
         Phrase("Als Vorgesetzte{r} versucht {Herr} {Name}, {seine} Mitarbeiterinnen und "
                "Mitarbeiter anzuleiten.")},
    }},
    // 10 Leistungsbeurteilung
    {{
        {Phrase("{Er} erledigt die {ihm} übertragenen Aufgaben stets zu unserer vollsten "
                "Zufriedenheit."),
         Phrase("{Herr} {Name} erfüllt {seine} Aufgaben stets zu unserer vollsten Zufriedenheit.")},
        {Phrase("{Er} erledigt die {ihm} übertragenen Aufgaben stets zu unserer vollen "
                "Zufriedenheit."),
         Phrase("{Herr} {Name} erfüllt {seine} Aufgaben zu unserer vollsten Zufriedenheit.")},
        {Phrase("{Er} erledigt die {ihm} übertragenen Aufgaben zu unserer vollen Zufriedenheit."),
         Phrase("{Herr} {Name} erfüllt {seine} Aufgaben stets zu unserer Zufriedenheit.")},
        {Phrase("{Er} erledigt die {ihm} übertragenen Aufgaben zu unserer Zufriedenheit."),
         Phrase("{Herr} {Name} erfüllt {seine} Aufgaben zu unserer Zufriedenheit.")},
        {Phrase(
             "Die {ihm} übertragenen Aufgaben erledigt {er} insgesamt zu unserer Zufriedenheit."),
         Phrase("{Herr} {Name} erfüllt {seine} Aufgaben im Großen und Ganzen zu unserer "
                "Zufriedenheit.")},
        {Phrase("{Er} ist stets bemüht, die {ihm} übertragenen Aufgaben zu unserer Zufriedenheit "
                "zu erledigen."),
         Phrase("{Herr} {Name} versucht, {seine} Aufgaben zu unserer Zufriedenheit zu erfüllen.")},
    }},
    // 11 Persönliche Führung
    {{
        {Phrase("Gegenüber Vorgesetzten, Kollegen und Kunden verhält sich {Herr} {Name} stets "
                "vorbildlich."),
         Phrase("Von Vorgesetzten, Kollegen und Geschäftspartnern wird {Herr} {Name} stets in "
                "höchstem Maße geschätzt, und {sein} Verhalten ist jederzeit vorbildlich.")},
        {Phrase("Gegenüber Vorgesetzten, Kollegen und Kunden verhält sich {Herr} {Name} stets "
                "einwandfrei."),
         Phrase("Bei Vorgesetzten, Kollegen und Kunden ist {Herr} {Name} sehr geschätzt, und "
                "{sein} Verhalten ist stets einwandfrei.")},
        {Phrase(
             "Gegenüber Vorgesetzten, Kollegen und Kunden verhält sich {Herr} {Name} einwandfrei."),
         Phrase("Bei Vorgesetzten, Kollegen und Kunden ist {Herr} {Name} geschätzt, und {sein} "
                "Verhalten ist einwandfrei.")},
        {Phrase("Gegenüber Vorgesetzten, Kollegen und Kunden verhält sich {Herr} {Name} korrekt."),
         Phrase(
             "{Herr} {Name} verhält sich gegenüber Vorgesetzten, Kollegen und Kunden ohne Tadel.")},
        {Phrase("Gegenüber Vorgesetzten und Kollegen verhält {er} sich im Großen und Ganzen "
                "einwandfrei."),
         Phrase(
             "{Herr} {Name} verhält sich gegenüber Vorgesetzten und Kollegen weitgehend korrekt.")},
        {Phrase("{Er} ist bemüht, sich gegenüber Vorgesetzten und Kollegen korrekt zu verhalten."),
         Phrase("{Herr} {Name} versucht, sich in die Zusammenarbeit mit Vorgesetzten und Kollegen "
                "einzufügen.")},
    }},
    // 12 Ausstellungsgrund: one text per occasion
    {},
    // 13 Schlussformel
    {{
        {Phrase("Für {seine} bisher stets hervorragende Arbeit danken wir {ihm} und freuen uns "
                "sehr auf die weitere erfolgreiche Zusammenarbeit."),
         Phrase("Wir bedanken uns bei {ihm} für {seine} stets außerordentlichen Leistungen und "
                "freuen uns sehr auf die weitere erfolgreiche Zusammenarbeit.")},
        {Phrase("Für {seine} bisher sehr guten Leistungen danken wir {ihm} und freuen uns auf die "
                "weitere erfolgreiche Zusammenarbeit."),
         Phrase("Wir bedanken uns bei {ihm} für die bisher sehr gute Zusammenarbeit und freuen uns "
                "auf die weitere gemeinsame Arbeit.")},
        {Phrase("Für {seine} guten Leistungen danken wir {ihm} und freuen uns auf die weitere "
                "Zusammenarbeit."),
         Phrase("Wir bedanken uns bei {ihm} für die bisherige gute Zusammenarbeit und freuen uns "
                "auf die weitere gemeinsame Arbeit.")},
        {Phrase("Für {seine} bisherige Mitarbeit danken wir {ihm} und freuen uns auf die weitere "
                "Zusammenarbeit."),
         Phrase("Wir bedanken uns bei {ihm} für {seine} bisherige Tätigkeit und freuen uns auf die "
                "weitere Zusammenarbeit.")},
        {Phrase("Für {seine} bisherige Tätigkeit danken wir {ihm}."),
         Phrase("Wir bedanken uns bei {ihm} für {seine} bisherige Mitarbeit.")},
        {Phrase("Für {seine} weitere Tätigkeit wünschen wir {ihm} alles Gute."),
         Phrase("Wir wünschen {ihm} bei {seinen} weiteren Aufgaben alles Gute.")},
    }},
}};

} // namespace velmora
