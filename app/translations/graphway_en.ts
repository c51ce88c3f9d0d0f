<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>TForm1</name>
    <message>
        <source>Узлы</source>
        <translation>Nodes</translation>
    </message>
    <message>
        <source>Количество узлов</source>
        <translation>Node count</translation>
    </message>
    <message>
        <source>Отобразить</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Матрица смежности</source>
        <translation>Adjacency matrix</translation>
    </message>
    <message>
        <source>Связи</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Без имени</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Рисунок показывает граф таким, каким он был до последней правки таблиц.</source>
        <translation>The picture shows the graph as it was before the tables were last edited.</translation>
    </message>
    <message>
        <source>Не хватило памяти: команда прервана</source>
        <translation>Out of memory: the command was stopped</translation>
    </message>
</context>
<context>
    <name>app::AnswerView</name>
    <message>
        <source>Сохранить рисунок…</source>
        <translation>Save the picture…</translation>
    </message>
    <message>
        <source>Копировать рисунок</source>
        <translation>Copy the picture</translation>
    </message>
    <message>
        <source>Копировать ответ</source>
        <translation>Copy the answer</translation>
    </message>
    <message>
        <source>Показать расстояния</source>
        <translation>Show the distances</translation>
    </message>
    <message>
        <source>Пошагово…</source>
        <translation>Step by step…</translation>
    </message>
    <message>
        <source>Копировать как TikZ</source>
        <translation>Copy as TikZ</translation>
    </message>
    <message>
        <source>Рисунок «%1» не сохранён: формат «.%2» не поддерживается. Можно сохранить как PNG, BMP, SVG или PDF</source>
        <translation>The picture «%1» was not saved: the format «.%2» is not supported. It can be saved as PNG, BMP, SVG or PDF</translation>
    </message>
    <message>
        <source>Файл «%1» уже есть. Заменить его?</source>
        <translation>The file «%1» already exists. Replace it?</translation>
    </message>
</context>
<context>
    <name>app::Booklet</name>
    <message>
        <source>Вариант %1: путь %2, длина %3</source>
        <translation>Variant %1: way %2, length %3</translation>
    </message>
    <message>
        <source>Путь на графе</source>
        <translation>Shortest way on a graph</translation>
    </message>
    <message>
        <source>Варианты для класса</source>
        <translation>Variants for a class</translation>
    </message>
    <message>
        <source>Вариант %1</source>
        <translation>Variant %1</translation>
    </message>
    <message>
        <source>Ответы</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>Номер набора %1; узлов %2, веса %3–%4, связей в пути не меньше %5%6</source>
        <translation>Set number %1; nodes: %2, weights %3–%4, links in the way: at least %5%6</translation>
    </message>
    <message>
        <source>, единственная таблица Дейкстры</source>
        <translation>, a single Dijkstra table</translation>
    </message>
    <message>
        <source>Вариант</source>
        <translation>Variant</translation>
    </message>
    <message>
        <source>Путь</source>
        <translation>Way</translation>
    </message>
    <message>
        <source>Длина</source>
        <translation>Length</translation>
    </message>
</context>
<context>
    <name>app::ClassSetActions</name>
    <message>
        <source>Варианты для класса…</source>
        <translation>Variants for a class…</translation>
    </message>
    <message>
        <source>Печать задания…</source>
        <translation>Print a task…</translation>
    </message>
    <message>
        <source>Задание</source>
        <translation>Task</translation>
    </message>
</context>
<context>
    <name>app::ClassSetWindow</name>
    <message>
        <source>В наборе от 1 до %1 вариантов: измените «Вариантов»</source>
        <translation>A set has from 1 to %1 variants: change «Variants»</translation>
    </message>
    <message>
        <source>В варианте от %1 до %2 узлов: измените «Узлов»</source>
        <translation>A variant has from %1 to %2 nodes: change «Nodes»</translation>
    </message>
    <message>
        <source>Веса лежат в пределах от 1 до %1, наименьший не больше наибольшего: измените «Веса от» или «до»</source>
        <translation>Weights lie from 1 to %1, the lightest no greater than the heaviest: change «Weights from» or «to»</translation>
    </message>
    <message>
        <source>В пути не меньше 1 связи: увеличьте «Связей в пути»</source>
        <translation>A way has at least 1 link: increase «Links in the way»</translation>
    </message>
    <message>
        <source>В пути из узла 1 в узел %1 не больше %2 %3: уменьшите «Связей в пути» до %2 или увеличьте «Узлов»</source>
        <translation>A way from node 1 to node %1 has at most %2 %3: decrease «Links in the way» to %2 or increase «Nodes»</translation>
    </message>
    <message>
        <source>связи</source>
        <translation>link</translation>
    </message>
    <message>
        <source>связей</source>
        <translation>links</translation>
    </message>
    <message>
        <source>с единственным кратчайшим путём не короче %1 %2%3</source>
        <translation>with a single shortest way of at least %1 %2%3</translation>
    </message>
    <message>
        <source> и единственной таблицей Дейкстры</source>
        <translation> and a single Dijkstra table</translation>
    </message>
    <message>
        <source>Не удалось создать ни одного варианта %1</source>
        <translation>No variant could be made %1</translation>
    </message>
    <message>
        <source>Удалось создать только %1 из %2 %3, не совпадающих друг с другом, %4</source>
        <translation>Only %1 of %2 %3 differing from each other could be made %4</translation>
    </message>
    <message>
        <source>варианта</source>
        <translation>variant</translation>
    </message>
    <message>
        <source>вариантов</source>
        <translation>variants</translation>
    </message>
    <message>
        <source>: расширьте веса («Веса от», «до»), увеличьте «Узлов», уменьшите «Связей в пути»%1 или «Вариантов»</source>
        <translation>: widen the weights («Weights from», «to»), increase «Nodes», decrease «Links in the way»%1 or «Variants»</translation>
    </message>
    <message>
        <source>, снимите «Единственная таблица Дейкстры»</source>
        <translation>, clear «A single Dijkstra table»</translation>
    </message>
    <message>
        <source>Остановлено; вариантов создано: %1 из %2</source>
        <translation>Stopped; variants made: %1 of %2</translation>
    </message>
    <message>
        <source>Варианты для класса</source>
        <translation>Variants for a class</translation>
    </message>
    <message>
        <source>Вариантов</source>
        <translation>Variants</translation>
    </message>
    <message>
        <source>Узлов</source>
        <translation>Nodes</translation>
    </message>
    <message>
        <source>Веса от</source>
        <translation>Weights from</translation>
    </message>
    <message>
        <source>до</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Связей в пути</source>
        <translation>Links in the way</translation>
    </message>
    <message>
        <source>Номер набора</source>
        <translation>Set number</translation>
    </message>
    <message>
        <source>Единственная таблица Дейкстры</source>
        <translation>A single Dijkstra table</translation>
    </message>
    <message>
        <source>Вариантов:</source>
        <translation>Variants:</translation>
    </message>
    <message>
        <source>Узлов:</source>
        <translation>Nodes:</translation>
    </message>
    <message>
        <source>Веса от:</source>
        <translation>Weights from:</translation>
    </message>
    <message>
        <source>Связей в пути не меньше:</source>
        <translation>Links in the way, at least:</translation>
    </message>
    <message>
        <source>Номер набора:</source>
        <translation>Set number:</translation>
    </message>
    <message>
        <source>Создать</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Создано вариантов</source>
        <translation>Variants made</translation>
    </message>
    <message>
        <source>Варианты</source>
        <translation>Variants</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Открыть в окне</source>
        <translation>Open in the window</translation>
    </message>
    <message>
        <source>Сохранить набор…</source>
        <translation>Save the set…</translation>
    </message>
    <message>
        <source>Экспорт в Moodle…</source>
        <translation>Export to Moodle…</translation>
    </message>
    <message>
        <source>Рисунок варианта</source>
        <translation>Picture of the variant</translation>
    </message>
    <message>
        <source>Создаются варианты…</source>
        <translation>Making the variants…</translation>
    </message>
    <message>
        <source>Вариант %1: %2, длина %3</source>
        <translation>Variant %1: %2, length %3</translation>
    </message>
    <message>
        <source>Создано вариантов: %1</source>
        <translation>Variants made: %1</translation>
    </message>
    <message>
        <source>Записывается буклет…</source>
        <translation>Writing the booklet…</translation>
    </message>
    <message>
        <source>Запись остановлена; файлы не записаны</source>
        <translation>Writing stopped; no file written</translation>
    </message>
    <message>
        <source>Набор записан в папку «%1»</source>
        <translation>The set is written to the folder «%1»</translation>
    </message>
    <message>
        <source>Экспорт остановлен; файл «%1» не записан</source>
        <translation>Export stopped; the file «%1» is not written</translation>
    </message>
    <message>
        <source>Вопросы для Moodle записаны в файл «%1»</source>
        <translation>The Moodle questions are written to the file «%1»</translation>
    </message>
</context>
<context>
    <name>app::DocumentActions</name>
    <message>
        <source>Новый граф</source>
        <translation>New graph</translation>
    </message>
    <message>
        <source>Открыть…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить как…</source>
        <translation>Save as…</translation>
    </message>
    <message>
        <source>Сохранить изменения?</source>
        <translation>Save the changes?</translation>
    </message>
    <message>
        <source>Путь на графе</source>
        <translation>Shortest way on a graph</translation>
    </message>
</context>
<context>
    <name>app::FileDialogs</name>
    <message>
        <source>Имя набора:</source>
        <translation>Name of the set:</translation>
    </message>
    <message>
        <source>GIFT несёт только вопросы о длине и о пути: без рисунков и без таблицы Дейкстры.</source>
        <translation>GIFT carries only the questions about the length and the way: no pictures and no Dijkstra table.</translation>
    </message>
    <message>
        <source>Открыть граф</source>
        <translation>Open a graph</translation>
    </message>
    <message>
        <source>Сохранить граф</source>
        <translation>Save the graph</translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation>Save the picture</translation>
    </message>
    <message>
        <source>Сохранить набор в папку</source>
        <translation>Save the set into a folder</translation>
    </message>
    <message>
        <source>Экспорт в Moodle</source>
        <translation>Export to Moodle</translation>
    </message>
    <message>
        <source>Граф (*.json)</source>
        <translation>Graph (*.json)</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Рисунок BMP (*.bmp)</source>
        <translation>BMP picture (*.bmp)</translation>
    </message>
    <message>
        <source>Векторный рисунок SVG (*.svg)</source>
        <translation>SVG vector picture (*.svg)</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>GIFT, только текст (*.gift.txt)</source>
        <translation>GIFT, text only (*.gift.txt)</translation>
    </message>
</context>
<context>
    <name>app::GraphFiles</name>
    <message>
        <source>массив</source>
        <translation>an array</translation>
    </message>
    <message>
        <source>объект</source>
        <translation>an object</translation>
    </message>
    <message>
        <source>такого файла нет</source>
        <translation>there is no such file</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>нет права его читать</source>
        <translation>there is no permission to read it</translation>
    </message>
    <message>
        <source>Файл «%1» не прочитан: %2.</source>
        <translation>The file «%1» was not read: %2.</translation>
    </message>
    <message>
        <source>Файл «%1» не открыт: %2.</source>
        <translation>The file «%1» was not opened: %2.</translation>
    </message>
    <message>
        <source>Файл «%1» не открыт: он больше %2 МБ, а окно открывает файлы графов до %2 МБ. Большие графы читает graphway.</source>
        <translation>The file «%1» was not opened: it is larger than %2 MB, and the window opens graph files of up to %2 MB. graphway reads large graphs.</translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>он больше, чем программе разрешено записывать в один файл</source>
        <translation>it is larger than the program may write into one file</translation>
    </message>
    <message>
        <source>нет права записывать в папку «%1»</source>
        <translation>there is no permission to write into the folder «%1»</translation>
    </message>
    <message>
        <source>папки «%1» нет</source>
        <translation>there is no folder «%1»</translation>
    </message>
    <message>
        <source>диск открыт только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>диск не ответил на запись</source>
        <translation>the disk did not answer the write</translation>
    </message>
    <message>
        <source>запись не удалась</source>
        <translation>the write failed</translation>
    </message>
    <message>
        <source>система отказала в записи (ошибка %1)</source>
        <translation>the system refused the write (error %1)</translation>
    </message>
    <message>
        <source>нет права его изменять</source>
        <translation>there is no permission to change it</translation>
    </message>
    <message>
        <source>Файл «%1» не сохранён: %2.</source>
        <translation>The file «%1» was not saved: %2.</translation>
    </message>
    <message>
        <source>это не JSON (%1)</source>
        <translation>it is not JSON (%1)</translation>
    </message>
    <message>
        <source>это не JSON: ошибка в строке %1, столбце %2 (%3)</source>
        <translation>it is not JSON: an error in line %1, column %2 (%3)</translation>
    </message>
    <message>
        <source>граф в нём должен быть объектом JSON с ключами &quot;nodes&quot; и &quot;matrix&quot;</source>
        <translation>the graph in it must be a JSON object with the keys &quot;nodes&quot; and &quot;matrix&quot;</translation>
    </message>
    <message>
        <source>в нём неизвестный ключ &quot;%1&quot;; граф описывают только &quot;nodes&quot; и &quot;matrix&quot;</source>
        <translation>it has an unknown key &quot;%1&quot;; only &quot;nodes&quot; and &quot;matrix&quot; describe a graph</translation>
    </message>
    <message>
        <source>ключ &quot;%1&quot; встречается в нём дважды</source>
        <translation>the key &quot;%1&quot; appears in it twice</translation>
    </message>
    <message>
        <source>значение &quot;%1&quot; не массив</source>
        <translation>the value of &quot;%1&quot; is not an array</translation>
    </message>
    <message>
        <source>%1 не массив</source>
        <translation>%1 is not an array</translation>
    </message>
    <message>
        <source>в нём нет матрицы смежности &quot;matrix&quot;</source>
        <translation>it has no adjacency matrix &quot;matrix&quot;</translation>
    </message>
    <message>
        <source>строк в &quot;matrix&quot;: %1, а узлов в графе должно быть не меньше двух</source>
        <translation>rows in &quot;matrix&quot;: %1, and a graph must have at least two nodes</translation>
    </message>
    <message>
        <source>ячеек в %1: %2, а строк в &quot;matrix&quot;: %3; матрица должна быть квадратной</source>
        <translation>cells in %1: %2, and rows in &quot;matrix&quot;: %3; the matrix must be square</translation>
    </message>
    <message>
        <source>пар координат в &quot;nodes&quot;: %1, а строк в &quot;matrix&quot;: %2</source>
        <translation>coordinate pairs in &quot;nodes&quot;: %1, and rows in &quot;matrix&quot;: %2</translation>
    </message>
    <message>
        <source>координат в %1: %2, а нужны две, X и Y</source>
        <translation>coordinates in %1: %2, and two are needed, X and Y</translation>
    </message>
    <message>
        <source>в %1 стоит %2, а ячейка может быть только текстом, целым числом или null</source>
        <translation>%1 holds %2, and a cell can only be text, a whole number or null</translation>
    </message>
    <message>
        <source>число %1 в %2 не умещается в 32 бита</source>
        <translation>the number %1 in %2 does not fit into 32 bits</translation>
    </message>
    <message>
        <source>в %1 не целое число: «%2»</source>
        <translation>%1 is not a whole number: «%2»</translation>
    </message>
    <message>
        <source>в графе %1 узлов, а окно вмещает не больше %2. Такие графы читает graphway</source>
        <translation>the graph has %1 nodes, and the window holds at most %2. graphway reads such graphs</translation>
    </message>
    <message>
        <source>в %1 текст из %2 символов, а ячейка окна вмещает не больше %3</source>
        <translation>%1 holds a text of %2 characters, and a cell of the window holds at most %3</translation>
    </message>
    <message>
        <source>Рисунок «%1» не сохранён: его не удалось закодировать.</source>
        <translation>The picture «%1» was not saved: it could not be encoded.</translation>
    </message>
</context>
<context>
    <name>app::HelpWindow</name>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Руководство пользователя</source>
        <translation>User&apos;s guide</translation>
    </message>
</context>
<context>
    <name>app::Hints</name>
    <message>
        <source>Координаты узлов: X и Y — целые числа от −200 до 200, начало координат в центре рисунка, Y растёт вверх.</source>
        <translation>Node coordinates: X and Y are whole numbers from −200 to 200, the origin is in the middle of the picture, Y grows upwards.</translation>
    </message>
    <message>
        <source>Вес связи из узла столбца в узел строки; то же число встаёт и в симметричную ячейку. Пустая ячейка или отрицательное число — связи нет; 0 — связь веса 0, которую «Связи» не рисуют.</source>
        <translation>The weight of the link from the column&apos;s node to the row&apos;s node; the same number goes into the mirrored cell too. An empty cell or a negative number means no link; 0 is a link of weight 0, which «Links» does not draw.</translation>
    </message>
    <message>
        <source>Нарисовать узлы по координатам из таблицы узлов.</source>
        <translation>Draw the nodes at the coordinates of the node table.</translation>
    </message>
    <message>
        <source>Нарисовать узлы и связи с их весами; связи веса 0 не рисуются.</source>
        <translation>Draw the nodes and the links with their weights; links of weight 0 are not drawn.</translation>
    </message>
    <message>
        <source>Найти кратчайший путь от узла 1 до последнего узла, нарисовать его красным и записать вместе с длиной.</source>
        <translation>Find the shortest way from node 1 to the last node, draw it in red and write it out with its length.</translation>
    </message>
    <message>
        <source>Таблица узлов</source>
        <translation>Node table</translation>
    </message>
    <message>
        <source>Матрица смежности</source>
        <translation>Adjacency matrix</translation>
    </message>
</context>
<context>
    <name>app::NodeCountBox</name>
    <message>
        <source>Количество узлов</source>
        <translation>Node count</translation>
    </message>
</context>
<context>
    <name>app::PageGrid</name>
    <message>
        <source>Матрица смежности</source>
        <translation>Adjacency matrix</translation>
    </message>
    <message>
        <source> (продолжение)</source>
        <translation> (continued)</translation>
    </message>
</context>
<context>
    <name>app::PictureEditor</name>
    <message>
        <source>Вес связи</source>
        <translation>Link weight</translation>
    </message>
    <message>
        <source>Удалить узел %1</source>
        <translation>Delete node %1</translation>
    </message>
    <message>
        <source>Узел %1 (%2; %3)</source>
        <translation>Node %1 (%2; %3)</translation>
    </message>
    <message>
        <source>Вес связи %1–%2: Enter — записать, Esc — отменить</source>
        <translation>Weight of the link %1–%2: Enter writes it, Esc cancels</translation>
    </message>
</context>
<context>
    <name>app::PictureView</name>
    <message>
        <source>Рисунок графа</source>
        <translation>Picture of the graph</translation>
    </message>
</context>
<context>
    <name>app::PrintedPage</name>
    <message>
        <source>Узлы</source>
        <translation>Nodes</translation>
    </message>
    <message>
        <source>Кратчайший путь: </source>
        <translation>Shortest way: </translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>app::Question</name>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>app::QuizExport</name>
    <message>
        <source>Рисуются варианты…</source>
        <translation>Drawing the variants…</translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Файл не записан: в имени набора должно быть от 1 до 255 знаков, без управляющих</source>
        <translation>The file is not written: the set&apos;s name must have from 1 to 255 characters, none of them control characters</translation>
    </message>
    <message>
        <source>Файл «%1» уже есть. Заменить его?</source>
        <translation>The file «%1» already exists. Replace it?</translation>
    </message>
</context>
<context>
    <name>app::SetFolder</name>
    <message>
        <source>Файл «%1» уже есть в папке «%2». Заменить его?</source>
        <translation>The file «%1» already exists in the folder «%2». Replace it?</translation>
    </message>
    <message>
        <source> и ещё %1</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source>Файлы %1 уже есть в папке «%2». Заменить их?</source>
        <translation>The files %1 already exist in the folder «%2». Replace them?</translation>
    </message>
</context>
<context>
    <name>app::StepWindow</name>
    <message>
        <source>Показать все шаги</source>
        <translation>Show all steps</translation>
    </message>
    <message>
        <source>В начало</source>
        <translation>To the start</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Далее</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>В конец</source>
        <translation>To the end</translation>
    </message>
    <message>
        <source>Проверить мою таблицу</source>
        <translation>Check my table</translation>
    </message>
    <message>
        <source>Алгоритм Дейкстры по шагам</source>
        <translation>Dijkstra&apos;s algorithm step by step</translation>
    </message>
    <message>
        <source>Шаги алгоритма Дейкстры</source>
        <translation>Steps of Dijkstra&apos;s algorithm</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Ответ</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Цвета рисунка</source>
        <translation>The picture&apos;s colours</translation>
    </message>
    <message>
        <source>Все строки и ответ сразу, например для ключа к заданию</source>
        <translation>All rows and the answer at once, for instance for a key to a task</translation>
    </message>
    <message>
        <source>Шаг %1, узел %2: %3</source>
        <translation>Step %1, node %2: %3</translation>
    </message>
    <message>
        <source>Шаг %1, %2: %3</source>
        <translation>Step %1, %2: %3</translation>
    </message>
    <message>
        <source>━ кратчайший путь</source>
        <translation>━ shortest way</translation>
    </message>
    <message>
        <source>━ связи кратчайших путей</source>
        <translation>━ links of shortest ways</translation>
    </message>
    <message>
        <source>● выбраны</source>
        <translation>● chosen</translation>
    </message>
    <message>
        <source>◯ выбран сейчас</source>
        <translation>◯ chosen now</translation>
    </message>
    <message>
        <source>━ пересчитаны</source>
        <translation>━ updated</translation>
    </message>
    <message>
        <source>━ к предшественникам</source>
        <translation>━ to predecessors</translation>
    </message>
    <message>
        <source>5 расстояния</source>
        <translation>5 distances</translation>
    </message>
    <message>
        <source>Таблицы изменились; «В начало» прочитает их заново.</source>
        <translation>The tables have changed; «To the start» reads them again.</translation>
    </message>
</context>
<context>
    <name>app::TableActions</name>
    <message>
        <source>Считать нули вне диагонали отсутствием связи?</source>
        <translation>Take the zeros off the diagonal as no link?</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Расставить узлы</source>
        <translation>Lay out the nodes</translation>
    </message>
    <message>
        <source>Расставить узлы?</source>
        <translation>Lay out the nodes?</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Очистить таблицы</source>
        <translation>Clear the tables</translation>
    </message>
    <message>
        <source>Расставить узлы по кругу</source>
        <translation>Place the nodes on a circle</translation>
    </message>
</context>
<context>
    <name>app::TableCheckWindow</name>
    <message>
        <source>Проверка таблицы</source>
        <translation>Check a table</translation>
    </message>
    <message>
        <source>Таблица для проверки</source>
        <translation>Table to check</translation>
    </message>
    <message>
        <source>Впишите или вставьте таблицу, решённую вручную.</source>
        <translation>Type or paste a table worked by hand.</translation>
    </message>
    <message>
        <source>Проверить</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Таблицы изменились; «В начало» в окне шагов прочитает их заново.</source>
        <translation>The tables have changed; «To the start» in the step window reads them again.</translation>
    </message>
    <message>
        <source>Шаг %1, узел %2: %3</source>
        <translation>Step %1, node %2: %3</translation>
    </message>
    <message>
        <source>Шаг %1, %2: %3</source>
        <translation>Step %1, %2: %3</translation>
    </message>
    <message>
        <source>Таблица не вставлена: её текст больше 1 МиБ.</source>
        <translation>The table was not pasted: its text is larger than 1 MiB.</translation>
    </message>
    <message>
        <source>Путь по таблице: %1, длина %2</source>
        <translation>The way by the table: %1, length %2</translation>
    </message>
    <message>
        <source> — не кратчайший: кратчайший путь имеет длину %1</source>
        <translation>, not the shortest: the shortest way has length %1</translation>
    </message>
</context>
<context>
    <name>app::TableCommands</name>
    <message>
        <source>Блок не вставлен: он несимметричен. В столбце %1, строке %2 стоит «%3», а в столбце %2, строке %1 — «%4»; при вставке одно из значений заменило бы другое.</source>
        <translation>The block was not pasted: it is not symmetric. Column %1, row %2 holds «%3», and column %2, row %1 holds «%4»; pasting would put one value over the other.</translation>
    </message>
    <message>
        <source>Блок не вставлен: в таблице узлов два столбца, X и Y, а блок шириной %1 со столбца %2 заходит за них.</source>
        <translation>The block was not pasted: the node table has two columns, X and Y, and a block %1 wide from column %2 goes past them.</translation>
    </message>
    <message>
        <source>Блок не вставлен: ему нужно %1 узлов, а в окне их может быть не больше %2.</source>
        <translation>The block was not pasted: it needs %1 nodes, and the window holds at most %2.</translation>
    </message>
    <message>
        <source>Блок не вставлен: в нём есть ячейка длиннее %1 знаков, а в окне их может быть не больше %1.</source>
        <translation>The block was not pasted: it has a cell longer than %1 characters, and a cell of the window holds at most %1.</translation>
    </message>
    <message>
        <source>Узел не добавлен: в окне может быть не больше %1 узлов</source>
        <translation>The node was not added: the window holds at most %1 nodes</translation>
    </message>
    <message>
        <source>Узел не удалён: узлов не может быть меньше %1</source>
        <translation>The node was not deleted: there cannot be fewer than %1 nodes</translation>
    </message>
</context>
<context>
    <name>app::TableEdit</name>
    <message>
        <source>ввод в ячейку</source>
        <translation>typing into a cell</translation>
    </message>
    <message>
        <source>изменение числа узлов</source>
        <translation>the change of the node count</translation>
    </message>
    <message>
        <source>вставку</source>
        <translation>the paste</translation>
    </message>
    <message>
        <source>удаление</source>
        <translation>the deletion</translation>
    </message>
    <message>
        <source>очистку таблиц</source>
        <translation>clearing the tables</translation>
    </message>
    <message>
        <source>расстановку по кругу</source>
        <translation>placing the nodes on a circle</translation>
    </message>
    <message>
        <source>расстановку узлов</source>
        <translation>laying out the nodes</translation>
    </message>
    <message>
        <source>удаление нулей</source>
        <translation>removing the zeros</translation>
    </message>
    <message>
        <source>перемещение узла</source>
        <translation>moving a node</translation>
    </message>
    <message>
        <source>добавление узла</source>
        <translation>adding a node</translation>
    </message>
    <message>
        <source>удаление узла</source>
        <translation>deleting a node</translation>
    </message>
    <message>
        <source>ввод веса связи</source>
        <translation>typing a link&apos;s weight</translation>
    </message>
</context>
<context>
    <name>app::Worksheet</name>
    <message>
        <source>Таблица алгоритма Дейкстры</source>
        <translation>Dijkstra&apos;s algorithm table</translation>
    </message>
    <message>
        <source>Таблица алгоритма Дейкстры (продолжение)</source>
        <translation>Dijkstra&apos;s algorithm table (continued)</translation>
    </message>
    <message>
        <source>Найдите кратчайший путь из узла 1 в узел %1 и заполните таблицу алгоритма Дейкстры.</source>
        <translation>Find the shortest way from node 1 to node %1 and fill in the table of Dijkstra&apos;s algorithm.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Открывается только один файл, %1; остальные аргументы пропущены: %2.</source>
        <translation>Only one file is opened, %1; the other arguments are skipped: %2.</translation>
    </message>
</context>
</TS>
