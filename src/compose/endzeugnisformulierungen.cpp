#include "compose/phrasenbibliothek.h"

namespace velmora {

// Two more ways to say each grade, in the past tense of the final reference.
const Formulierungen endzeugnisformulierungen = {{
    // 1 Fachwissen
    {{
        {Phrase(
             "{Herr} {Name} verfügte über ein hervorragendes, äußerst fundiertes Fachwissen, das "
             "{er} stets sicher und zielgerichtet zum Nutzen unseres Unternehmens einsetzte. "),
         Phrase(
             "{Seine} ausgezeichneten Fachkenntnisse reichten weit über {seinen} Aufgabenbereich "
             "hinaus, und {er} setzte sie stets mit hervorragendem Erfolg in der Praxis ein. ")},
        {Phrase("{Herr} {Name} besaß ein umfassendes und sehr fundiertes Fachwissen, das {er} "
                "stets sicher und zielgerichtet in der Praxis anwandte. "),
         Phrase("{Seine} sehr guten und vielseitigen Fachkenntnisse setzte {Herr} {Name} jederzeit "
                "sicher und gewinnbringend in der Praxis ein. ")},
        {Phrase("{Herr} {Name} besaß ein gutes und fundiertes Fachwissen, das {er} sicher in der "
                "Praxis anwandte. "),
         Phrase("{Seine} guten Fachkenntnisse setzte {Herr} {Name} sicher und zielgerichtet in der "
                "Praxis ein. ")},
        {Phrase("{Herr} {Name} setzte {sein} den Anforderungen entsprechendes Fachwissen in der "
                "Praxis zufriedenstellend ein. "),
         Phrase("{Seine} Fachkenntnisse entsprachen den Anforderungen {seines} Arbeitsbereichs, "
                "und {er} setzte sie auf zufriedenstellende Weise in der Praxis ein. ")},
        {Phrase("{Herr} {Name} verfügte im Großen und Ganzen über die Fachkenntnisse, die {sein} "
                "Arbeitsbereich erforderte. "),
         Phrase("{Seine} Fachkenntnisse genügten weitgehend den Anforderungen {seines} "
                "Arbeitsbereichs, und {er} setzte sie im Wesentlichen sicher in der Praxis ein. ")},
        {Phrase("{Herr} {Name} war bemüht, sich die für {seinen} Arbeitsbereich nötigen "
                "Fachkenntnisse anzueignen und sie in der Praxis einzusetzen. "),
         Phrase("{Er} versuchte stets, {seine} Fachkenntnisse zu erweitern und in der Praxis "
                "anzuwenden. ")},
    }},
    // 2 Weiterbildung
    {{
        {Phrase("{Herr} {Name} bildete sich stets äußerst zielstrebig fort und nutzte jede "
                "Gelegenheit zur Weiterbildung mit hervorragendem Erfolg."),
         Phrase("An internen und externen Weiterbildungen nahm {er} stets aus eigenem Antrieb teil "
                "und schloss sie mit ausgezeichnetem Erfolg ab.")},
        {Phrase("{Er} bildete sich stets zielstrebig weiter und besuchte interne und externe "
                "Seminare mit sehr gutem Erfolg."),
         Phrase("{Herr} {Name} nahm regelmäßig an Weiterbildungen teil und setzte das Gelernte "
                "sehr erfolgreich in {seiner} Arbeit um.")},
        {Phrase("{Er} nahm regelmäßig an internen und externen Seminaren teil und schloss sie mit "
                "gutem Erfolg ab."),
         Phrase("{Herr} {Name} bildete sich in Seminaren gezielt weiter und wandte das Gelernte "
                "mit gutem Erfolg in der Praxis an.")},
        {Phrase("{Er} nahm an den für {seine} Tätigkeit erforderlichen Weiterbildungen teil und "
                "schloss sie zufriedenstellend ab."),
         Phrase("{Herr} {Name} besuchte die Seminare, die {seine} Aufgaben erforderten, und "
                "bildete sich den Anforderungen entsprechend weiter.")},
        {Phrase("{Er} nahm an den angebotenen Weiterbildungen teil und setzte das Gelernte im "
                "Großen und Ganzen in der Praxis um."),
         Phrase("{Herr} {Name} besuchte die für {seine} Tätigkeit vorgesehenen Seminare und "
                "eignete sich deren Inhalte im Großen und Ganzen an.")},
        {Phrase("{Er} war bemüht, an den angebotenen Weiterbildungen teilzunehmen."),
         Phrase(
             "{Herr} {Name} versuchte, das in Seminaren Gelernte in {seiner} Arbeit anzuwenden.")},
    }},
    // 3 Auffassungsgabe
    {{
        {Phrase("{Herr} {Name} verfügte über eine außerordentlich rasche Auffassungsgabe und "
                "erfasste auch äußerst komplexe Zusammenhänge stets sofort und treffsicher. "),
         Phrase("Mit {seiner} ausgezeichneten Auffassungsgabe durchdrang {Herr} {Name} auch "
                "schwierigste Sachverhalte stets schnell und vollständig. ")},
        {Phrase("{Herr} {Name} besaß eine sehr gute Auffassungsgabe und erfasste auch schwierige "
                "Zusammenhänge stets schnell und sicher. "),
         Phrase("{Seine} sehr schnelle Auffassungsgabe ermöglichte es {ihm}, sich jederzeit zügig "
                "in neue Aufgaben einzuarbeiten. ")},
        {Phrase("{Herr} {Name} besaß eine gute Auffassungsgabe und arbeitete sich zügig in neue "
                "Aufgaben ein. "),
         Phrase("Mit {seiner} guten Auffassungsgabe erfasste {Herr} {Name} auch neue Sachverhalte "
                "schnell und sicher. ")},
        {Phrase("{Herr} {Name} erfasste neue Sachverhalte dank {seiner} Auffassungsgabe in "
                "zufriedenstellender Weise. "),
         Phrase("{Seine} Auffassungsgabe entsprach den Anforderungen, und {er} arbeitete sich in "
                "angemessener Zeit in neue Aufgaben ein. ")},
        {Phrase("Mit {seiner} Auffassungsgabe erfasste {Herr} {Name} neue Sachverhalte im Großen "
                "und Ganzen richtig. "),
         Phrase("{Seine} Auffassungsgabe reichte im Großen und Ganzen aus, um sich in neue "
                "Aufgaben einzuarbeiten. ")},
        {Phrase("Im Umgang mit neuen Aufgaben war {Herr} {Name} bemüht, {seine} Auffassungsgabe "
                "einzusetzen. "),
         Phrase("{Er} versuchte, neue Sachverhalte mit {seiner} Auffassungsgabe zu erfassen. ")},
    }},
    // 4 Denkfähigkeit
    {{
        {Phrase("{Herr} {Name} dachte stets äußerst analytisch und kam auch bei schwierigsten "
                "Fragen zu hervorragend begründeten Urteilen."),
         Phrase("Dank {seines} hervorragenden Denkvermögens gelangte {er} auch in komplexesten "
                "Fragen stets zu einem äußerst treffsicheren Urteil.")},
        {Phrase("{Herr} {Name} dachte sehr logisch und analytisch und kam zu sicheren, gut "
                "begründeten Urteilen."),
         Phrase("Dank {seines} sehr guten Denkvermögens kam {er} auch in schwierigen Fragen "
                "jederzeit zu einem sicheren Urteil.")},
        {Phrase("{Herr} {Name} dachte logisch und kam zu guten, sachlich begründeten Urteilen."),
         Phrase("Dank {seines} guten Denkvermögens kam {er} in {seinem} Arbeitsbereich zu sicheren "
                "und zutreffenden Urteilen.")},
        {Phrase("{Herr} {Name} kam in {seinem} Arbeitsbereich zu Urteilen, die den Anforderungen "
                "entsprachen."),
         Phrase("{Seine} Urteilsfähigkeit und {sein} Denkvermögen genügten den Anforderungen "
                "{seiner} Aufgaben in zufriedenstellender Weise.")},
        {Phrase("{Herr} {Name} kam in vertrauten Fragen im Großen und Ganzen zu zutreffenden "
                "Urteilen."),
         Phrase("Mit {seinem} Denkvermögen fällte {er} bei bekannten Sachverhalten im Großen und "
                "Ganzen zutreffende Urteile.")},
        {Phrase(
             "{Herr} {Name} war bemüht, in vertrauten Fragen zu einem eigenen Urteil zu kommen."),
         Phrase("{Er} versuchte, Sachverhalte logisch zu durchdenken und sich ein eigenes Urteil "
                "zu bilden.")},
    }},
    // 5 Leistungsbereitschaft
    {{
        {Phrase("{Herr} {Name} zeigte stets ein außerordentlich hohes Engagement und übernahm aus "
                "eigener Initiative auch zusätzliche Aufgaben mit hervorragendem Erfolg. "),
         Phrase("{Seine} Leistungsbereitschaft war stets hervorragend, und {er} setzte sich mit "
                "größter Initiative für unser Unternehmen ein. ")},
        {Phrase("{Herr} {Name} zeigte ein sehr hohes Engagement und brachte sich mit viel "
                "Eigeninitiative in {seine} Aufgaben ein. "),
         Phrase("{Seine} Leistungsbereitschaft war sehr hoch, und {er} übernahm bereitwillig auch "
                "zusätzliche Aufgaben. ")},
        {Phrase("{Herr} {Name} zeigte eine gute Leistungsbereitschaft und übernahm bei Bedarf auch "
                "zusätzliche Aufgaben. "),
         Phrase("{Er} setzte sich mit gutem Engagement und viel Eigeninitiative für {seine} "
                "Aufgaben ein. ")},
        {Phrase("{Herr} {Name} zeigte eine Leistungsbereitschaft, die unseren Anforderungen "
                "entsprach. "),
         Phrase("{Er} erfüllte {seine} Aufgaben mit zufriedenstellendem Engagement und entsprach "
                "damit unseren Erwartungen. ")},
        {Phrase(
             "{Seine} Leistungsbereitschaft entsprach im Großen und Ganzen unseren Erwartungen. "),
         Phrase("{Er} setzte sich weitgehend für {seine} Aufgaben ein und zeigte dabei überwiegend "
                "die nötige Eigeninitiative. ")},
        {Phrase(
             "{Herr} {Name} war bemüht, die von {ihm} erwartete Leistungsbereitschaft zu zeigen. "),
         Phrase("{Er} versuchte, sich mit Engagement für {seine} Aufgaben einzusetzen. ")},
    }},
    // 6 Belastbarkeit
    {{
        {Phrase("{Er} zeichnete sich durch eine außerordentliche Belastbarkeit aus und behielt "
                "auch unter stärkstem Druck stets die Übersicht."),
         Phrase("Auch unter höchstem Termindruck bewies {Herr} {Name} stets eine hervorragende "
                "Belastbarkeit.")},
        {Phrase("{Er} war sehr belastbar und behielt auch bei hohem Arbeitsanfall stets die "
                "Übersicht."),
         Phrase("{Herr} {Name} bewies eine sehr gute Belastbarkeit und arbeitete auch unter "
                "Termindruck ruhig und sicher.")},
        {Phrase("{Er} war gut belastbar und behielt auch unter Zeitdruck die Übersicht."),
         Phrase("{Herr} {Name} zeigte eine gute Belastbarkeit und bewältigte auch Zeiten mit hohem "
                "Arbeitsanfall sicher.")},
        {Phrase("{Er} war den üblichen Belastungen gewachsen und bewältigte den normalen "
                "Arbeitsanfall zufriedenstellend."),
         Phrase("{Seine} Belastbarkeit entsprach den Anforderungen {seiner} Tätigkeit.")},
        {Phrase("Bei normalem Arbeitsanfall war {er} im Großen und Ganzen belastbar."),
         Phrase("{Seine} Belastbarkeit genügte im Großen und Ganzen den Anforderungen {seiner} "
                "Tätigkeit.")},
        {Phrase("{Er} war bemüht, dem Arbeitsanfall gewachsen zu sein."),
         Phrase("Unter Belastung versuchte {er}, die Übersicht zu behalten.")},
    }},
    // 7 Arbeitsweise
    {{
        {Phrase("{Herr} {Name} arbeitete stets äußerst sorgfältig, gewissenhaft und zuverlässig. "),
         Phrase("{Seine} Arbeitsweise war stets in höchstem Maße sorgfältig, planvoll und "
                "zuverlässig. ")},
        {Phrase("{Herr} {Name} arbeitete sehr sorgfältig, selbstständig und zuverlässig. "),
         Phrase("{Seine} Arbeitsweise war sehr planvoll, genau und zuverlässig. ")},
        {Phrase("{Herr} {Name} arbeitete gewissenhaft und sorgfältig und erledigte {seine} "
                "Aufgaben gut organisiert. "),
         Phrase(
             "{Er} zeichnete sich durch eine gute, planvolle und zuverlässige Arbeitsweise aus. ")},
        {Phrase(
             "{Herr} {Name} arbeitete in zufriedenstellender Weise sorgfältig und gewissenhaft. "),
         Phrase(
             "{Er} erledigte {seine} Aufgaben mit zufriedenstellender Sorgfalt und Genauigkeit. ")},
        {Phrase("{Herr} {Name} arbeitete im Großen und Ganzen sorgfältig und gewissenhaft. "),
         Phrase("{Seine} Arbeitsweise war im Großen und Ganzen planvoll und genau. ")},
        {Phrase("{Herr} {Name} war bemüht, sorgfältig und gewissenhaft zu arbeiten. "),
         Phrase("{Er} versuchte, {seine} Arbeitsweise planvoll und genau zu gestalten. ")},
    }},
    // 8 Arbeitsergebnis
    {{
        {Phrase("{Seine} Arbeitsergebnisse waren stets von hervorragender Qualität und übertrafen "
                "unsere Erwartungen deutlich."),
         Phrase("{Herr} {Name} erzielte stets ausgezeichnete Arbeitsergebnisse und fand auch für "
                "schwierigste Probleme äußerst wirksame Lösungen.")},
        {Phrase("{Seine} Arbeitsergebnisse waren auch bei schwierigen Aufgaben von sehr guter "
                "Qualität."),
         Phrase("{Herr} {Name} erzielte sehr gute Arbeitsergebnisse, auch wenn unvorhergesehene "
                "Probleme zu lösen waren.")},
        {Phrase("{Seine} Arbeitsergebnisse waren von guter Qualität und in der Praxis gut "
                "verwertbar."),
         Phrase("{Herr} {Name} erzielte gute Arbeitsergebnisse und fand für auftretende Probleme "
                "tragfähige Lösungen.")},
        {Phrase("{Seine} Arbeitsergebnisse entsprachen in Qualität und Umfang den Anforderungen."),
         Phrase("{Herr} {Name} lieferte Arbeitsergebnisse von zufriedenstellender Qualität.")},
        {Phrase("{Seine} Arbeitsergebnisse entsprachen im Großen und Ganzen den Anforderungen."),
         Phrase("{Herr} {Name} erzielte im Wesentlichen brauchbare Arbeitsergebnisse.")},
        {Phrase("{Er} war bemüht, brauchbare Arbeitsergebnisse zu erzielen."),
         Phrase("{Herr} {Name} versuchte, für einfache Probleme brauchbare Lösungen zu finden.")},
    }},
    // 9 Führungsfähigkeit
    {{
        {Phrase("{Er} führte {sein} Team stets äußerst umsichtig und motivierend und war bei "
                "{seinen} Mitarbeiterinnen und Mitarbeitern in höchstem Maße anerkannt."),
         Phrase("Als Führungskraft war {Herr} {Name} jederzeit in höchstem Maße anerkannt und "
                "motivierte {sein} Team stets zu ausgezeichneter Arbeit.")},
        {Phrase("{Er} führte {sein} Team sehr sicher und zielorientiert und war bei {seinen} "
                "Mitarbeiterinnen und Mitarbeitern sehr geschätzt."),
         Phrase("Als Vorgesetzte{r} war {Herr} {Name} voll anerkannt und setzte {seine} "
                "Mitarbeiterinnen und Mitarbeiter sehr zielgerichtet ein.")},
        {Phrase("{Er} führte {sein} Team sicher und zielorientiert und erzielte mit ihm gute "
                "Ergebnisse."),
         Phrase("{Seine} Mitarbeiterinnen und Mitarbeiter leitete {Herr} {Name} gut an und "
                "förderte sie gezielt.")},
        {Phrase("{Er} führte {sein} Team in zufriedenstellender Weise."),
         Phrase("Als Vorgesetzte{r} leitete {Herr} {Name} {seine} Mitarbeiterinnen und Mitarbeiter "
                "den Anforderungen entsprechend an.")},
        {Phrase("{Er} führte {sein} Team im Großen und Ganzen sachgerecht."),
         Phrase("{Seine} Mitarbeiterinnen und Mitarbeiter leitete {Herr} {Name} weitgehend "
                "sachgerecht an.")},
        {Phrase("{Er} war bemüht, {sein} Team zielgerichtet zu führen."),
         Phrase("Als Vorgesetzte{r} versuchte {Herr} {Name}, {seine} Mitarbeiterinnen und "
                "Mitarbeiter anzuleiten.")},
    }},
    // 10 Leistungsbeurteilung
    {{
        {Phrase("{Er} erledigte die {ihm} übertragenen Aufgaben stets zu unserer vollsten "
                "Zufriedenheit."),
         Phrase(
             "{Herr} {Name} erfüllte {seine} Aufgaben stets zu unserer vollsten Zufriedenheit.")},
        {Phrase("{Er} erledigte die {ihm} übertragenen Aufgaben stets zu unserer vollen "
                "Zufriedenheit."),
         Phrase("{Herr} {Name} erfüllte {seine} Aufgaben zu unserer vollsten Zufriedenheit.")},
        {Phrase("{Er} erledigte die {ihm} übertragenen Aufgaben zu unserer vollen Zufriedenheit."),
         Phrase("{Herr} {Name} erfüllte {seine} Aufgaben stets zu unserer Zufriedenheit.")},
        {Phrase("{Er} erledigte die {ihm} übertragenen Aufgaben zu unserer Zufriedenheit."),
         Phrase("{Herr} {Name} erfüllte {seine} Aufgaben zu unserer Zufriedenheit.")},
        {Phrase(
             "Die {ihm} übertragenen Aufgaben erledigte {er} insgesamt zu unserer Zufriedenheit."),
         Phrase("{Herr} {Name} erfüllte {seine} Aufgaben im Großen und Ganzen zu unserer "
                "Zufriedenheit.")},
        {Phrase("{Er} war stets bemüht, die {ihm} übertragenen Aufgaben zu unserer Zufriedenheit "
                "zu erledigen."),
         Phrase("{Herr} {Name} versuchte, {seine} Aufgaben zu unserer Zufriedenheit zu erfüllen.")},
    }},
    // 11 Persönliche Führung
    {{
        {Phrase("Gegenüber Vorgesetzten, Kollegen und Kunden verhielt sich {Herr} {Name} stets "
                "vorbildlich."),
         Phrase("Von Vorgesetzten, Kollegen und Geschäftspartnern wurde {Herr} {Name} stets in "
                "höchstem Maße geschätzt, und {sein} Verhalten war jederzeit vorbildlich.")},
        {Phrase("Gegenüber Vorgesetzten, Kollegen und Kunden verhielt sich {Herr} {Name} stets "
                "einwandfrei."),
         Phrase("Bei Vorgesetzten, Kollegen und Kunden war {Herr} {Name} sehr geschätzt, und "
                "{sein} Verhalten war stets einwandfrei.")},
        {Phrase("Gegenüber Vorgesetzten, Kollegen und Kunden verhielt sich {Herr} {Name} "
                "einwandfrei."),
         Phrase("Bei Vorgesetzten, Kollegen und Kunden war {Herr} {Name} geschätzt, und {sein} "
                "Verhalten war einwandfrei.")},
        {Phrase("Gegenüber Vorgesetzten, Kollegen und Kunden verhielt sich {Herr} {Name} korrekt."),
         Phrase("{Herr} {Name} verhielt sich gegenüber Vorgesetzten, Kollegen und Kunden ohne "
                "Tadel.")},
        {Phrase("Gegenüber Vorgesetzten und Kollegen verhielt {er} sich im Großen und Ganzen "
                "einwandfrei."),
         Phrase("{Herr} {Name} verhielt sich gegenüber Vorgesetzten und Kollegen weitgehend "
                "korrekt.")},
        {Phrase("{Er} war bemüht, sich gegenüber Vorgesetzten und Kollegen korrekt zu verhalten."),
         Phrase("{Herr} {Name} versuchte, sich in die Zusammenarbeit mit Vorgesetzten und Kollegen "
                "einzufügen.")},
    }},
    // 12 Beendigungsgrund: one text per reason
    {},
    // 13 Schlussformel: it follows sections 9 and 12 (schlussformel.cpp)
    {},
}};

} // namespace velmora
