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
        <translation>= inside (..)</translation>
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
        <translation>unknown character</translation>
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
        <translation>tables</translation>
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
        <translation>intersections</translation>
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
        <translation>minus</translation>
    </message>
    <message>
        <source>keer</source>
        <translation>times</translation>
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
        <translation>polynomial</translation>
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
        <translation>in X axis</translation>
    </message>
    <message>
        <source>om Y-as</source>
        <translation>in Y axis</translation>
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
</context>
</TS>
