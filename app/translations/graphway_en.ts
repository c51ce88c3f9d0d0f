<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
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
