<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>quorvel</name>
    <message>
        <source>formule te lang</source>
        <translation>formula too long</translation>
    </message>
    <message>
        <source>teveel (((</source>
        <translation>too many (((</translation>
    </message>
    <message>
        <source>fout : </source>
        <translation>error : </translation>
    </message>
    <message>
        <source>teveel )))</source>
        <translation>too many )))</translation>
    </message>
    <message>
        <source>verwacht .(. na functie</source>
        <translation>.(. expected after function</translation>
    </message>
    <message>
        <source>te veel constanten</source>
        <translation>too many numbers</translation>
    </message>
    <message>
        <source>fout getal  </source>
        <translation>bad number  </translation>
    </message>
    <message>
        <source>onbekende tekst  </source>
        <translation>unknown text  </translation>
    </message>
    <message>
        <source>..((..fout</source>
        <translation>= in (..)</translation>
    </message>
    <message>
        <source>constante of variabele ontbreekt</source>
        <translation>number or variable missing</translation>
    </message>
    <message>
        <source> (..) ongelijk</source>
        <translation> (..) unbalanced</translation>
    </message>
    <message>
        <source>onbekend teken</source>
        <translation>unknown symbol</translation>
    </message>
    <message>
        <source>formule neit compleet</source>
        <translation>formula not complete</translation>
    </message>
    <message>
        <source>is geen type1 : </source>
        <translation>is not type 1 : </translation>
    </message>
    <message>
        <source>teveel ddd..</source>
        <translation>too many ddd..</translation>
    </message>
    <message>
        <source>  : ontbreekt na d</source>
        <translation>  : missing after d</translation>
    </message>
    <message>
        <source>fout aantal = tekens</source>
        <translation>wrong number of = signs</translation>
    </message>
    <message>
        <source>x, y of v fout</source>
        <translation>x, y or v wrong</translation>
    </message>
    <message>
        <source>v,x,y or = ; fout</source>
        <translation>v,x,y or = ; wrong</translation>
    </message>
    <message>
        <source>formule ontbreekt : </source>
        <translation>formula missing : </translation>
    </message>
    <message>
        <source>&lt; en &gt; door elkaar</source>
        <translation>&lt; and &gt; mixed</translation>
    </message>
    <message>
        <source>fout aantal &lt; &gt; tekens</source>
        <translation>wrong number of &lt; &gt;</translation>
    </message>
    <message>
        <source>r= met x of y fout</source>
        <translation>r= with x or y</translation>
    </message>
    <message>
        <source>algemeen</source>
        <translation>general</translation>
    </message>
    <message>
        <source>form / poly</source>
        <translation>form / poly</translation>
    </message>
    <message>
        <source>grafieken</source>
        <translation>graphs</translation>
    </message>
    <message>
        <source>punten</source>
        <translation>points</translation>
    </message>
    <message>
        <source>info</source>
        <translation>info</translation>
    </message>
    <message>
        <source>help</source>
        <translation>help</translation>
    </message>
    <message>
        <source>herstart</source>
        <translation>restart</translation>
    </message>
    <message>
        <source>bewaar</source>
        <translation>save</translation>
    </message>
    <message>
        <source>open</source>
        <translation>open</translation>
    </message>
    <message>
        <source>snap</source>
        <translation>snap</translation>
    </message>
    <message>
        <source>sluiten</source>
        <translation>close</translation>
    </message>
    <message>
        <source>ongedaan maken</source>
        <translation>undo</translation>
    </message>
    <message>
        <source>opnieuw</source>
        <translation>redo</translation>
    </message>
    <message>
        <source>verwijderen</source>
        <translation>delete</translation>
    </message>
    <message>
        <source>subst. abc</source>
        <translation>subst. abc</translation>
    </message>
    <message>
        <source>oppervlakte</source>
        <translation>area</translation>
    </message>
    <message>
        <source>tabellen</source>
        <translation>value tables</translation>
    </message>
    <message>
        <source>poly &gt;&gt;</source>
        <translation>poly &gt;&gt;</translation>
    </message>
    <message>
        <source>animatie</source>
        <translation>animation</translation>
    </message>
    <message>
        <source>wissen</source>
        <translation>clear</translation>
    </message>
    <message>
        <source>kleuren</source>
        <translation>colours</translation>
    </message>
    <message>
        <source>herschrijven</source>
        <translation>redraw</translation>
    </message>
    <message>
        <source>analyse &gt;&gt;</source>
        <translation>analysis &gt;&gt;</translation>
    </message>
    <message>
        <source>exact tekenen</source>
        <translation>exact drawing</translation>
    </message>
    <message>
        <source>tabel</source>
        <translation>table</translation>
    </message>
    <message>
        <source>maak &gt;&gt;</source>
        <translation>make &gt;&gt;</translation>
    </message>
    <message>
        <source>over ...</source>
        <translation>about ...</translation>
    </message>
    <message>
        <source>status</source>
        <translation>status</translation>
    </message>
    <message>
        <source>condities</source>
        <translation>conditions</translation>
    </message>
    <message>
        <source>--&gt; disk</source>
        <translation>--&gt; disk</translation>
    </message>
    <message>
        <source>--&gt; klembord</source>
        <translation>--&gt; clipboard</translation>
    </message>
    <message>
        <source>--&gt; svg/pdf</source>
        <translation>--&gt; svg/pdf</translation>
    </message>
    <message>
        <source>--&gt; printer</source>
        <translation>--&gt; printer</translation>
    </message>
    <message>
        <source>--&gt; animatie</source>
        <translation>--&gt; animation</translation>
    </message>
    <message>
        <source>nulpunten</source>
        <translation>roots</translation>
    </message>
    <message>
        <source>extremen</source>
        <translation>extrema</translation>
    </message>
    <message>
        <source>snijpunten</source>
        <translation>crossings</translation>
    </message>
    <message>
        <source>raaklijn</source>
        <translation>tangent</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>min</source>
        <translation>sub</translation>
    </message>
    <message>
        <source>keer</source>
        <translation>mult</translation>
    </message>
    <message>
        <source>afronden</source>
        <translation>round</translation>
    </message>
    <message>
        <source>differentiëren</source>
        <translation>differentiate</translation>
    </message>
    <message>
        <source>integreren</source>
        <translation>integrate</translation>
    </message>
    <message>
        <source>spiegelen &gt;&gt;</source>
        <translation>mirror &gt;&gt;</translation>
    </message>
    <message>
        <source>polynoom</source>
        <translation>poly</translation>
    </message>
    <message>
        <source>lijn</source>
        <translation>line</translation>
    </message>
    <message>
        <source>cirkel</source>
        <translation>circle</translation>
    </message>
    <message>
        <source>exp.functie y=</source>
        <translation>exp.function y=</translation>
    </message>
    <message>
        <source>om X-as</source>
        <translation>X axis</translation>
    </message>
    <message>
        <source>om Y-as</source>
        <translation>Y axis</translation>
    </message>
    <message>
        <source>om (0,0)</source>
        <translation>in (0,0)</translation>
    </message>
    <message>
        <source>ab^x</source>
        <translation>ab^x</translation>
    </message>
    <message>
        <source>ae^(bx)</source>
        <translation>ae^(bx)</translation>
    </message>
    <message>
        <source>ab^x+c</source>
        <translation>ab^x+c</translation>
    </message>
    <message>
        <source>ae^(bx)+c</source>
        <translation>ae^(bx)+c</translation>
    </message>
    <message>
        <source>e^(ax^2+bx+c)</source>
        <translation>e^(ax^2+bx+c)</translation>
    </message>
    <message>
        <source>RADIALEN</source>
        <translation>RADIANS</translation>
    </message>
    <message>
        <source>GRADEN</source>
        <translation>DEGREES</translation>
    </message>
    <message>
        <source>TOEVOEGEN</source>
        <translation>ADD</translation>
    </message>
    <message>
        <source>VERVANGEN</source>
        <translation>REPLACE</translation>
    </message>
    <message>
        <source>AUTOPLOT</source>
        <translation>AUTOPLOT</translation>
    </message>
    <message>
        <source>laad</source>
        <translation>load</translation>
    </message>
    <message>
        <source>visit website</source>
        <translation>visit website</translation>
    </message>
    <message>
        <source>constanten</source>
        <translation>constants</translation>
    </message>
    <message>
        <source>graad</source>
        <translation>degree</translation>
    </message>
    <message>
        <source>coefficient</source>
        <translation>coefficient</translation>
    </message>
    <message>
        <source>schrijffout</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>geen cirkel mogelijk: punten op lijn</source>
        <translation>no circle possible: points on a line</translation>
    </message>
    <message>
        <source>fout: y &lt;= 0</source>
        <translation>error: y &lt;= 0</translation>
    </message>
    <message>
        <source>geen exp. functie, ongelijke tekens</source>
        <translation>no exp. function, unequal signs</translation>
    </message>
    <message>
        <source>geen exp. functie</source>
        <translation>no exp. function</translation>
    </message>
    <message>
        <source>getallen buiten bereik</source>
        <translation>numbers out of range</translation>
    </message>
    <message>
        <source>tabel is vol</source>
        <translation>table is full</translation>
    </message>
    <message>
        <source>dupl. X:  punt geweigerd</source>
        <translation>dupl. X:  point refused</translation>
    </message>
    <message>
        <source>buiten bereik: punt geweigerd</source>
        <translation>out of range: point refused</translation>
    </message>
    <message>
        <source>fout getal</source>
        <translation>bad number</translation>
    </message>
    <message>
        <source>fout: identieke X</source>
        <translation>error: identical X</translation>
    </message>
    <message>
        <source>fout: buiten bereik</source>
        <translation>error: out of range</translation>
    </message>
    <message>
        <source>punten OK</source>
        <translation>points OK</translation>
    </message>
    <message>
        <source>&lt;ESC&gt; sluiten</source>
        <translation>&lt;ESC&gt; close</translation>
    </message>
    <message>
        <source>fout in coefficient</source>
        <translation>error in coefficient</translation>
    </message>
    <message>
        <source>verwijder a,b,c uit tabel</source>
        <translation>remove a,b,c from table</translation>
    </message>
    <message>
        <source>geen polynoom</source>
        <translation>no polynomial</translation>
    </message>
    <message>
        <source>verwijder abc uit polynoom  </source>
        <translation>remove abc from polynomial  </translation>
    </message>
    <message>
        <source>graad te hoog</source>
        <translation>degree too high</translation>
    </message>
    <message>
        <source>punten ontbreken</source>
        <translation>points missing</translation>
    </message>
    <message>
        <source>polynoom berekend</source>
        <translation>polynomial fitted</translation>
    </message>
    <message>
        <source>geen polynoom mogelijk</source>
        <translation>no polynomial possible</translation>
    </message>
    <message>
        <source>&lt;ESC&gt; sluiten   &lt;spatie&gt; start/pauze</source>
        <translation>&lt;ESC&gt; close   &lt;space&gt; play/pause</translation>
    </message>
    <message>
        <source>even geduld a.u.b.....</source>
        <translation>please wait.....</translation>
    </message>
    <message>
        <source>tekst te lang</source>
        <translation>text too long</translation>
    </message>
    <message>
        <source>kromme alleen te zien met exact tekenen</source>
        <translation>curve only visible with exact drawing</translation>
    </message>
    <message>
        <source>geen formule/polynoom</source>
        <translation>no formula/polynomial</translation>
    </message>
    <message>
        <source>alleen functies</source>
        <translation>functions only</translation>
    </message>
    <message>
        <source>grafieken --&gt; klembord</source>
        <translation>graphs --&gt; clipboard</translation>
    </message>
    <message>
        <source>ongedaan gemaakt</source>
        <translation>undone</translation>
    </message>
    <message>
        <source>niets ongedaan te maken</source>
        <translation>nothing to undo</translation>
    </message>
    <message>
        <source>niets opnieuw te doen</source>
        <translation>nothing to redo</translation>
    </message>
    <message>
        <source>herstel uit: map niet schrijfbaar</source>
        <translation>recovery off: folder not writable</translation>
    </message>
    <message>
        <source>werk hersteld</source>
        <translation>work recovered</translation>
    </message>
    <message>
        <source>bestand niet gevonden: uit de lijst</source>
        <translation>file not found: taken off the list</translation>
    </message>
    <message>
        <source>formule te lang om te laden</source>
        <translation>formula too long to load</translation>
    </message>
    <message>
        <source>formule te lang om te bewaren</source>
        <translation>formula too long to save</translation>
    </message>
    <message>
        <source>bestand bestaat niet</source>
        <translation>file does not exist</translation>
    </message>
    <message>
        <source>geen toegang</source>
        <translation>no access</translation>
    </message>
    <message>
        <source>is een map</source>
        <translation>is a folder</translation>
    </message>
    <message>
        <source>geen gewoon bestand</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>grafieken opgeslagen</source>
        <translation>graphs saved</translation>
    </message>
    <message>
        <source>grafieken geladen</source>
        <translation>graphs loaded</translation>
    </message>
    <message>
        <source>fout type bestand</source>
        <translation>wrong file type</translation>
    </message>
    <message>
        <source>leesfout</source>
        <translation>not read</translation>
    </message>
    <message>
        <source>buiten bereik</source>
        <translation>out of range</translation>
    </message>
    <message>
        <source>fout in start</source>
        <translation>error in start</translation>
    </message>
    <message>
        <source>fout in stapgrootte</source>
        <translation>error in step size</translation>
    </message>
    <message>
        <source>0.001 &lt;= stap &lt;= 50</source>
        <translation>0.001 &lt;= step &lt;= 50</translation>
    </message>
    <message>
        <source>-90000 &lt;= waarde &lt;= 90000</source>
        <translation>-90000 &lt;= value &lt;= 90000</translation>
    </message>
    <message>
        <source>persoonlijke tekst</source>
        <translation>personal text</translation>
    </message>
    <message>
        <source>grafiek kleuren</source>
        <translation>graph colours</translation>
    </message>
    <message>
        <source>puntentabel</source>
        <translation>points table</translation>
    </message>
    <message>
        <source>van</source>
        <translation>min</translation>
    </message>
    <message>
        <source>tot</source>
        <translation>max</translation>
    </message>
    <message>
        <source>heen en terug</source>
        <translation>back and forth</translation>
    </message>
    <message>
        <source>herhaal</source>
        <translation>repeat</translation>
    </message>
    <message>
        <source>duur heen</source>
        <translation>sweep time</translation>
    </message>
    <message>
        <source>geen getal: </source>
        <translation>not a number: </translation>
    </message>
    <message>
        <source>pauze</source>
        <translation>pause</translation>
    </message>
    <message>
        <source>start</source>
        <translation>play</translation>
    </message>
    <message>
        <source>begin</source>
        <translation>start</translation>
    </message>
    <message>
        <source>eind</source>
        <translation>end</translation>
    </message>
    <message>
        <source>stappen</source>
        <translation>steps</translation>
    </message>
    <message>
        <source>X-integraal domein</source>
        <translation>X-integral domain</translation>
    </message>
    <message>
        <source>X - links</source>
        <translation>X - left</translation>
    </message>
    <message>
        <source>X - rechts</source>
        <translation>X - right</translation>
    </message>
    <message>
        <source>scherm te klein: dooraan?</source>
        <translation>screen too small: go on?</translation>
    </message>
    <message>
        <source>aantal beelden</source>
        <translation>frames</translation>
    </message>
    <message>
        <source>grafieken gewijzigd: eerst bewaren?</source>
        <translation>graphs changed: save first?</translation>
    </message>
    <message>
        <source>niet bewaren</source>
        <translation>don't save</translation>
    </message>
    <message>
        <source>annuleer</source>
        <translation>cancel</translation>
    </message>
    <message>
        <source>Quorvel is niet netjes afgesloten: het werk van toen herstellen?</source>
        <translation>Quorvel did not close properly: restore the work of then?</translation>
    </message>
    <message>
        <source>herstel</source>
        <translation>restore</translation>
    </message>
    <message>
        <source>weggooien</source>
        <translation>discard</translation>
    </message>
    <message>
        <source>het werk van een vorige keer is onleesbaar (leesfout) en wordt verwijderd</source>
        <translation>the work of an earlier run cannot be read (read error) and is removed</translation>
    </message>
    <message>
        <source>analyse</source>
        <translation>analysis</translation>
    </message>
    <message>
        <source>lijst --&gt; klembord</source>
        <translation>list --&gt; clipboard</translation>
    </message>
    <message>
        <source>raaklijn in x =</source>
        <translation>tangent at x =</translation>
    </message>
    <message>
        <source>X-domain for area calculation</source>
        <translation>X-domain for area calculation</translation>
    </message>
    <message>
        <source>X-left</source>
        <translation>X-left</translation>
    </message>
    <message>
        <source>X-right</source>
        <translation>X-right</translation>
    </message>
    <message>
        <source>start X</source>
        <translation>start X</translation>
    </message>
    <message>
        <source>start Y</source>
        <translation>start Y</translation>
    </message>
    <message>
        <source>start V</source>
        <translation>start V</translation>
    </message>
    <message>
        <source>tables</source>
        <translation>tables</translation>
    </message>
    <message>
        <source>stap</source>
        <translation>step</translation>
    </message>
    <message>
        <source>geen %1 in beeld</source>
        <translation>no %1 in view</translation>
    </message>
    <message>
        <source>%1 interval %2</source>
        <translation>%1 interval %2</translation>
    </message>
    <message>
        <source>%1 intervallen %2</source>
        <translation>%1 intervals %2</translation>
    </message>
    <message>
        <source>%1 van %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>geen %1 gevonden</source>
        <translation>no %1 found</translation>
    </message>
    <message>
        <source>nulpunt</source>
        <translation>root</translation>
    </message>
    <message>
        <source>met y = 0</source>
        <translation>with y = 0</translation>
    </message>
    <message>
        <source>extreem</source>
        <translation>extremum</translation>
    </message>
    <message>
        <source>gelijk aan %1 in beeld</source>
        <translation>equals %1 in view</translation>
    </message>
    <message>
        <source>snijpunt</source>
        <translation>crossing</translation>
    </message>
    <message>
        <source>gelijk</source>
        <translation>equal</translation>
    </message>
    <message>
        <source>geen waarde in x = %1</source>
        <translation>no value at x = %1</translation>
    </message>
    <message>
        <source>niet differentieerbaar in x = %1</source>
        <translation>not differentiable at x = %1</translation>
    </message>
    <message>
        <source>minimum</source>
        <translation>minimum</translation>
    </message>
    <message>
        <source>maximum</source>
        <translation>maximum</translation>
    </message>
    <message>
        <source>y = 0 vanaf</source>
        <translation>y = 0 from</translation>
    </message>
    <message>
        <source>y = 0 tot</source>
        <translation>y = 0 to</translation>
    </message>
    <message>
        <source>gelijk aan %1 vanaf</source>
        <translation>equals %1 from</translation>
    </message>
    <message>
        <source>gelijk aan %1 tot</source>
        <translation>equals %1 to</translation>
    </message>
    <message>
        <source>snijpunt met %1</source>
        <translation>crossing with %1</translation>
    </message>
    <message>
        <source>alleen voor y = f(x) en polynomen</source>
        <translation>only for y = f(x) and polynomials</translation>
    </message>
    <message>
        <source>raaklijn te lang voor het invoervak</source>
        <translation>tangent too long for the edit box</translation>
    </message>
    <message>
        <source>y = 0 in beeld</source>
        <translation>y = 0 in view</translation>
    </message>
    <message>
        <source>y verloren in afronding</source>
        <translation>y lost in rounding</translation>
    </message>
    <message>
        <source>, deels verloren in afronding</source>
        <translation>, partly lost in rounding</translation>
    </message>
    <message>
        <source> (zoeken afgebroken)</source>
        <translation> (search stopped)</translation>
    </message>
    <message>
        <source>taal: English</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>toepassen</source>
        <translation>apply</translation>
    </message>
    <message>
        <source>origineel</source>
        <translation>original</translation>
    </message>
    <message>
        <source>wis alles</source>
        <translation>clear all</translation>
    </message>
    <message>
        <source>verwijder punt</source>
        <translation>delete point</translation>
    </message>
    <message>
        <source>`l`fQuorvel`n//Een veelzijdig programma voor/het onderzoeken van/`t`fgrafieken/`t`fvergelijkingen/`t`ffuncties//Functies, parameterkrommen,/impliciete vergelijkingen,/polynomen, punten en meer.//Het Quorvel-project/e-mail:`tinfo@quorvel.org/web:`tquorvel.org</source>
        <translation>`l`fQuorvel`n//A versatile program for/exploring/`t`fgraphs/`t`fequations/`t`ffunctions//Functions, parametric curves,/implicit equations,/polynomials, points and more.//The Quorvel project/e-mail:`tinfo@quorvel.org/web:`tquorvel.org</translation>
    </message>
    <message>
        <source>`l`fQuorvel`n//`fdesktop-editie`n//version`t`f`v`n/`tdecember 2026//status:`t`fvrij te gebruiken`n</source>
        <translation>`l`fQuorvel`n//`fdesktop edition`n//version`t`f`v`n/`tDecember 2026//status:`t`ffree to use`n</translation>
    </message>
    <message>
        <source>`l`fcondities`n//Het gebruik van dit programma/is geheel voor eigen risico.//De makers aanvaarden geen/aansprakelijkheid voor schade/door verkeerd gebruik of door/verborgen gebreken./Vrije software: GNU GPL,/versie 3 of later.//Veel plezier met Quorvel!/Opmerkingen en suggesties zijn/welkom via quorvel.org</source>
        <translation>`l`fconditions`n//The use of this program is/entirely at your own risk.//The makers accept no/liability for damage caused/by wrong use or by/hidden defects./Free software: GNU GPL,/version 3 or later.//Enjoy Quorvel!/Comments and suggestions are/welcome at quorvel.org</translation>
    </message>
    <message>
        <source>over...</source>
        <translation>about...</translation>
    </message>
    <message>
        <source>start waarde fout</source>
        <translation>wrong start value</translation>
    </message>
    <message>
        <source>eind waarde fout</source>
        <translation>wrong end value</translation>
    </message>
    <message>
        <source>stap waarde fout</source>
        <translation>wrong step value</translation>
    </message>
    <message>
        <source>10 &lt; stappen &lt; 1000</source>
        <translation>10 &lt; steps &lt; 1000</translation>
    </message>
    <message>
        <source>-1000 &lt; eind &lt; 1000</source>
        <translation>-1000 &lt; end &lt; 1000</translation>
    </message>
    <message>
        <source>-1000 &lt; begin &lt; 1000</source>
        <translation>-1000 &lt; start &lt; 1000</translation>
    </message>
    <message>
        <source>domain negatief of te klein</source>
        <translation>domain negative or too small</translation>
    </message>
    <message>
        <source>fout in X-links</source>
        <translation>error in X-left</translation>
    </message>
    <message>
        <source>fout in X-rechts</source>
        <translation>error in X-right</translation>
    </message>
    <message>
        <source>fout domein</source>
        <translation>wrong domain</translation>
    </message>
    <message>
        <source>domein buiten bereik</source>
        <translation>domain out of range</translation>
    </message>
    <message>
        <source>--animate: NAAM=VAN..TOT verwacht: %1</source>
        <translation>--animate: NAME=FROM..TO expected: %1</translation>
    </message>
    <message>
        <source>--animate: a, b of c verwacht: %1</source>
        <translation>--animate: a, b or c expected: %1</translation>
    </message>
    <message>
        <source>--animate: van en tot gelijk: %1</source>
        <translation>--animate: from and to equal: %1</translation>
    </message>
    <message>
        <source>--export: onverwacht %1</source>
        <translation>--export: unexpected %1</translation>
    </message>
    <message>
        <source>--lang: nl of en verwacht</source>
        <translation>--lang: nl or en expected</translation>
    </message>
    <message>
        <source>--export: een plaatje en een graph file verwacht</source>
        <translation>--export: a picture and a graph file expected</translation>
    </message>
    <message>
        <source>--exact: een graph file verwacht</source>
        <translation>--exact: a graph file expected</translation>
    </message>
    <message>
        <source>het plaatje eindigt niet op .png, .bmp, .svg, .pdf of .gif: %1</source>
        <translation>the picture does not end in .png, .bmp, .svg, .pdf or .gif: %1</translation>
    </message>
    <message>
        <source>%1: een waarde en een graph file verwacht</source>
        <translation>%1: a value and a graph file expected</translation>
    </message>
    <message>
        <source>--frames: een aantal van 2 tot en met 1000 verwacht: %1</source>
        <translation>--frames: a number from 2 to 1000 expected: %1</translation>
    </message>
    <message>
        <source>een animatie (.gif) vraagt --animate NAAM=VAN..TOT</source>
        <translation>an animation (.gif) needs --animate NAME=FROM..TO</translation>
    </message>
    <message>
        <source>--animate en --frames alleen bij een .gif</source>
        <translation>--animate and --frames only with a .gif</translation>
    </message>
    <message>
        <source>--help: niets erna verwacht</source>
        <translation>--help: nothing expected after it</translation>
    </message>
    <message>
        <source>--version: niets erna verwacht</source>
        <translation>--version: nothing expected after it</translation>
    </message>
    <message>
        <source>onbekende optie %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>hoogstens één graph file</source>
        <translation>at most one graph file</translation>
    </message>
    <message>
        <source>--lang: nl of en verwacht: %1</source>
        <translation>--lang: nl or en expected: %1</translation>
    </message>
    <message>
        <source>gebruik: quorvel [BESTAND.qvl]
         quorvel --export UIT.png|UIT.bmp|UIT.svg|UIT.pdf [--exact] BESTAND.qvl
         quorvel --export UIT.gif --animate NAAM=VAN..TOT [--frames N] [--exact]
                 BESTAND.qvl
         quorvel -h | --help | --version
         --lang nl|en bij elk van deze
</source>
        <translation>usage: quorvel [FILE.qvl]
       quorvel --export OUT.png|OUT.bmp|OUT.svg|OUT.pdf [--exact] FILE.qvl
       quorvel --export OUT.gif --animate NAME=FROM..TO [--frames N] [--exact]
               FILE.qvl
       quorvel -h | --help | --version
       --lang nl|en with any of these
</translation>
    </message>
    <message>
        <source>geen lege plaats voor de raaklijn</source>
        <translation>no empty slot for the tangent</translation>
    </message>
    <message>
        <source>naamloos</source>
        <translation>untitled</translation>
    </message>
    <message>
        <source>Quorvel-grafieken (*.qvl)</source>
        <translation>Quorvel graphs (*.qvl)</translation>
    </message>
    <message>
        <source>kopieer</source>
        <translation>copy</translation>
    </message>
    <message>
        <source>%1 - %2 van %3</source>
        <translation>%1 - %2 of %3</translation>
    </message>
    <message>
        <source>teken</source>
        <translation>draw</translation>
    </message>
    <message>
        <source>oppervlakte = %1</source>
        <translation>area = %1</translation>
    </message>
    <message>
        <source>geen formule/polynoom geselecteerd</source>
        <translation>no formula/polynomial selected</translation>
    </message>
    <message>
        <source>niet mogelijk voor dit type functie</source>
        <translation>not possible for this type of function</translation>
    </message>
    <message>
        <source>niet mogelijk voor diff./int. functie</source>
        <translation>not possible for diff./int. function</translation>
    </message>
    <message>
        <source>correct X-as positie</source>
        <translation>correct the X-axis position</translation>
    </message>
    <message>
        <source>berekening gestopt</source>
        <translation>calculation stopped</translation>
    </message>
    <message>
        <source>volgen</source>
        <translation>trace</translation>
    </message>
    <message>
        <source>x = %1, y = %2</source>
        <translation>x = %1, y = %2</translation>
    </message>
    <message>
        <source>x = %1, geen waarde</source>
        <translation>x = %1, no value</translation>
    </message>
    <message>
        <source>geen volgend punt</source>
        <translation>no further point</translation>
    </message>
    <message>
        <source>grafiek</source>
        <translation>graph</translation>
    </message>
    <message>
        <source>functie</source>
        <translation>function</translation>
    </message>
    <message>
        <source>inverse functie</source>
        <translation>inverse function</translation>
    </message>
    <message>
        <source>parameterkromme</source>
        <translation>parametric curve</translation>
    </message>
    <message>
        <source>impliciete vergelijking</source>
        <translation>implicit equation</translation>
    </message>
    <message>
        <source>ongelijkheid</source>
        <translation>inequality</translation>
    </message>
    <message>
        <source>poolkromme</source>
        <translation>polar curve</translation>
    </message>
    <message>
        <source>zwart</source>
        <translation>black</translation>
    </message>
    <message>
        <source>wit</source>
        <translation>white</translation>
    </message>
    <message>
        <source>grijs</source>
        <translation>grey</translation>
    </message>
    <message>
        <source>rood</source>
        <translation>red</translation>
    </message>
    <message>
        <source>donkerrood</source>
        <translation>dark red</translation>
    </message>
    <message>
        <source>groen</source>
        <translation>green</translation>
    </message>
    <message>
        <source>donkergroen</source>
        <translation>dark green</translation>
    </message>
    <message>
        <source>blauw</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>donkerblauw</source>
        <translation>dark blue</translation>
    </message>
    <message>
        <source>lichtblauw</source>
        <translation>light blue</translation>
    </message>
    <message>
        <source>geel</source>
        <translation>yellow</translation>
    </message>
    <message>
        <source>oranje</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>cyaan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>paars</source>
        <translation>purple</translation>
    </message>
    <message>
        <source>roze</source>
        <translation>pink</translation>
    </message>
    <message>
        <source>bruin</source>
        <translation>brown</translation>
    </message>
    <message>
        <source>x van %1 tot %2</source>
        <translation>x from %1 to %2</translation>
    </message>
    <message>
        <source>y van %1 tot %2</source>
        <translation>y from %1 to %2</translation>
    </message>
    <message>
        <source>geen grafieken</source>
        <translation>no graphs</translation>
    </message>
    <message>
        <source>vak %1, %2: </source>
        <translation>slot %1, %2: </translation>
    </message>
    <message>
        <source>; en %1 meer</source>
        <translation>; and %1 more</translation>
    </message>
    <message>
        <source>leeg</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>vak %1: %2</source>
        <translation>slot %1: %2</translation>
    </message>
</context>
</TS>
