<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
<context>
    <name>ClassicLook</name>
    <message>
        <source>Kivo Love Numerology v1.0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntryValidation</name>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name Can Accept Text Only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Kivo Love Numerology</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The web address is too long to be opened. Please shorten your entries and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingReport</name>
    <message>
        <source>Your Love Numerology Reading Based on Life Path Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Love Numerology Reading Based on Destiny Number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReductionText</name>
    <message>
        <source>%1 is too large to add up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>letter total %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 counts as %2</source>
        <extracomment>%1 is a master number such as 11, %2 its digit sum such as &quot;1 + 1 = 2&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kivo Love Numerology calculates the numerology compatibility between two individuals based on numbers. This compatibility is calculated on the basis of the lifepath and destiny numbers of the partners.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmExitPromo</name>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Arvella Softwares. From a single software, we have now grown to become the world’s largest resource of Arvella softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All the programs in the Arvella Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arvella Softwares can be created and maintained only with your support. The best way to support us is to visit %1 regularly and take part in its discussions and other activities. Every visit helps us keep going.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please visit %1 regularly and take part in the discussions there. Without your visits we cannot support and maintain these programs, so please do drop by whenever you have a moment to spare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum for all things Arvella. Visiting it regularly helps us develop and maintain this program for all of you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs your help. Visit it regularly and take part in its discussions: your visits are what let us maintain this program and develop many more Arvella Softwares for you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Arvella Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit Arvella Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LifePath Compatibility Number is %1 + %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destiny Compatibility Number is %1 + %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your partner: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join our online love forum!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two interlocking hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Know more about the love of your life with Kivo Love Numerology. Know more about the level of your compatibility based on numerological calculations. Be the first to analyze your relationship and make it work!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Get Our Love Numerology Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Personal Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Partner&apos;s Personal Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your birth day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your birth month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your birth year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partner&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partner&apos;s birth day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partner&apos;s birth month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partner&apos;s birth year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LifePath Compatibility Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destiny Compatibility Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Love Compatibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result tabs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compatibility Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Love compatibility report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Do It Once Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
